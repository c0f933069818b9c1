// A vector exercise's Working, beside or under its figure in the
// transcript: each step as the program worked it (the figure's "working"),
// from its formula through the operands typed to the result printed,
// typeset as MathML. It computes nothing: every number is the program's
// text. A <details>, open, that the learner may close.
import { Links } from './working_math.mjs';

const kMathMl = 'http://www.w3.org/1998/Math/MathML';

function MathElement({ tag, attributes, children }) {
  const element = document.createElementNS(kMathMl, tag);
  for (const [name, value] of Object.entries(attributes)) {
    element.setAttribute(name, value);
  }
  element.append(...children.map((child) =>
    typeof child === 'string' ? child : MathElement(child)));
  return element;
}

// A link of a step: one <math>, or, for a link with a vector, an inline
// block of its parts, each a <math> of its own with a break opportunity
// after each vector comma, which the block takes only where it is wider
// than the line: one that fits moves whole to the next line.
function Link(parts) {
  const MathOf = (part) => MathElement({ tag: 'math', attributes: {},
    children: [part] });
  if (parts.length === 1) return MathOf(parts[0]);
  const link = document.createElement('span');
  link.className = 'working-link';
  parts.forEach((part, index) => {
    if (index > 0) link.append(document.createElement('wbr'));
    link.append(MathOf(part));
  });
  return link;
}

// One step: its links with a break opportunity between, so that a line too
// long for the panel breaks before an "=", then its note.
function Step({ math, note }) {
  const item = document.createElement('li');
  const line = document.createElement('p');
  Links(math).forEach((parts, index) => {
    if (index > 0) line.append(document.createElement('wbr'));
    line.append(Link(parts));
  });
  item.append(line);
  if (note) {
    const words = document.createElement('p');
    words.className = 'working-note';
    words.textContent = note;
    item.append(words);
  }
  return item;
}

// The working's steps under a label for each kind: the formula, the
// operands as typed, then the numbered steps of the computation.
const kGroups = [
  ['formula', 'Formula', 'ul'],
  ['operands', 'Your numbers', 'ul'],
  ['step', 'Step by step', 'ol'],
];

function Groups(working) {
  return kGroups.flatMap(([kind, label, list]) => {
    const steps = working.filter((step) => step.kind === kind);
    if (steps.length === 0) return [];
    const title = document.createElement('p');
    title.className = 'working-group';
    title.textContent = label;
    const items = document.createElement(list);
    items.className = `working-${kind}`;
    items.append(...steps.map(Step));
    return [title, items];
  });
}

// The Working of `working` (the figure's steps), or null when it has none.
export function WorkingOf(working) {
  if (working.length === 0) return null;
  const section = document.createElement('details');
  section.className = 'working';
  section.open = true;
  const summary = document.createElement('summary');
  summary.textContent = 'Working';
  section.append(summary, ...Groups(working));
  return section;
}
