// Room for one object made without the heap and never destroyed: the
// standard streams' buffers and the raw streams beneath them.
#ifndef QUILLARY_CONSOLE_NEVER_DESTROYED_H_
#define QUILLARY_CONSOLE_NEVER_DESTROYED_H_

#include <new>
#include <utility>

// Static room for one T. The library flushes std::cout once more as the
// process ends, after every static object of ours with a destructor is
// gone, so what std::cout writes through must outlive them all; and at
// start, under a memory limit, the heap may have nothing to give. Make()
// constructs the object in place and may be called once.
template <typename T>
class NeverDestroyed {
 public:
  template <typename... Args>
  T& Make(Args&&... args) {
    return *::new (static_cast<void*>(room_)) T(std::forward<Args>(args)...);
  }

 private:
  alignas(T) unsigned char room_[sizeof(T)];
};

#endif  // QUILLARY_CONSOLE_NEVER_DESTROYED_H_
