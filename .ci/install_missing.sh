# Installs the Debian packages a script needs; .ci/run and bench/run source
# this file and call
#   install_missing NAME PACKAGE...
# which installs with apt-get those of PACKAGE... that are not installed, and
# does nothing when all are. Not run as root, it installs nothing: it names
# the missing packages on standard error, as what NAME needs, and returns 2.
install_missing() {
  local caller=$1 package missing=()
  shift
  for package in "$@"; do
    # Installed, not merely known to dpkg: a removed package keeps its
    # configuration files and its entry.
    [[ $(dpkg-query -W -f '${db:Status-Status}' "$package" 2>/dev/null) == \
      installed ]] || missing+=("$package")
  done
  ((${#missing[@]})) || return 0
  if ((EUID != 0)); then
    echo "$caller needs these Debian packages: ${missing[*]}" >&2
    return 2
  fi
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
}
