// The working's mathematics as MathML, with no document: each node of a
// step's "math" (maths_text/figure_text.h describes them) becomes a tree of MathML tags
// and texts, and a step is cut into links where a long line may break on
// a narrow screen, keeping each vector whole where it fits. Every number
// is the program's text, only its minus sign drawn as a minus; nothing is
// computed here.

// An element of the tree: its MathML tag, attributes and children (trees
// or texts).
const Tag = (tag, children, attributes = {}) => ({ tag, attributes, children });

// The program writes "-3"; typeset, a minus sign is U+2212, not a hyphen.
const kMinus = '\u2212';
const Signed = (text) => text.replace(/^-/, kMinus);

// An operator that keeps its size: a bracket around a fraction or a root
// may grow, but the bars of a length and a hat stay as they are.
const Unstretched = (text) => Tag('mo', [text], { stretchy: 'false' });

// A list of nodes as one row.
const Row = (nodes) => Tag('mrow', nodes.map(ToMathMl));

// A vector's parts: "(", each component with a "," after all but the
// last, then ")".
function TupleParts(components) {
  const parts = [Tag('mo', ['('])];
  components.forEach((component, index) => {
    if (index > 0) parts.push(Tag('mo', [',']));
    parts.push(Row(component));
  });
  parts.push(Tag('mo', [')']));
  return parts;
}

const kNodes = {
  mi: (name) => Tag('mi', [name]),
  mn: (text) => Tag('mn', [Signed(text)]),
  mo: (text) => Tag('mo', [text]),
  sub: (base, script) => Tag('msub', [Row(base), Row(script)]),
  // U+02C6 sits over a letter as a hat should in the fonts browsers have
  // for mathematics; "^" floats above it.
  hat: (base) => Tag('mover', [Row(base), Unstretched('\u02c6')],
    { accent: 'true' }),
  norm: (body) => Tag('mrow',
    [Unstretched('|'), ...body.map(ToMathMl), Unstretched('|')]),
  frac: (top, bottom) => Tag('mfrac', [Row(top), Row(bottom)]),
  sqrt: (body) => Tag('msqrt', body.map(ToMathMl)),
  tuple: (components) => Tag('mrow', TupleParts(components)),
};

// One node, ["name", ...its parts], as a tree; a node of a name the
// program does not write is a fault, not something to guess at.
export function ToMathMl([name, ...parts]) {
  const Make = Object.hasOwn(kNodes, name) ? kNodes[name] : null;
  if (!Make) throw new Error(`unknown working node ${JSON.stringify(name)}`);
  return Make(...parts);
}

// Where a line may break: before an "=", and before a "+" or "−" outside
// every bracket, of the outer level; and after each comma of a vector
// there, and before a "+" or "−" of a component's own, and before the dot
// of a product, as a cross product of long numbers is wider than a phone,
// but only where the link is wider than the line.
const kBreaksBefore = ['=', '+', '\u2212'];
const kComponentBreaksBefore = ['+', '\u2212'];
// A product of long numbers may break before its dot, where its link is
// wider than the line.
const kTimes = '·';

// First in its <math>, an operator would be taken for a sign and lose its
// spacing.
const Infix = (text) => Tag('mo', [text], { form: 'infix' });

// A vector component's nodes as pieces that a line may break between:
// before each "+" or "−" outside the component's own brackets.
function ComponentPieces(component) {
  const pieces = [[]];
  let depth = 0;
  for (const node of component) {
    const [name, text] = node;
    if (name === 'mo' && text === '(') depth += 1;
    if (name === 'mo' && text === ')') depth -= 1;
    const breaks = name === 'mo' && depth === 0 &&
      kComponentBreaksBefore.includes(text) && pieces.at(-1).length > 0;
    if (breaks) pieces.push([Infix(text)]);
    else pieces.at(-1).push(ToMathMl(node));
  }
  return pieces;
}

// A step's math as its links, each a list of parts, each part a tree to put
// in a <math> element of its own. A line may break between links, and
// between the parts of a link (after a vector's comma) only where the whole
// link does not fit on a line, so that a vector that fits is never cut.
export function Links(math) {
  const links = [[[]]];
  let depth = 0;
  for (const node of math) {
    const [name, text] = node;
    const parts = links.at(-1);
    if (name === 'mo' && text === '(') depth += 1;
    if (name === 'mo' && text === ')') depth -= 1;
    if (name === 'mo' && depth === 0 && kBreaksBefore.includes(text)) {
      links.push([[Infix(text)]]);
    } else if (name === 'mo' && depth === 0 && text === kTimes) {
      parts.push([Infix(text)]);
    } else if (name === 'tuple') {
      parts.at(-1).push(Tag('mo', ['(']));
      node[1].forEach((component, index) => {
        if (index > 0) {
          parts.at(-1).push(Tag('mo', [',']));
          parts.push([]);
        }
        ComponentPieces(component).forEach((piece, at) => {
          if (at > 0) parts.push([]);
          parts.at(-1).push(...piece);
        });
      });
      parts.at(-1).push(Tag('mo', [')']));
    } else {
      parts.at(-1).push(ToMathMl(node));
    }
  }
  return links.map((parts) => parts.filter((nodes) => nodes.length > 0)
    .map((nodes) => Tag('mrow', nodes))).filter((parts) => parts.length > 0);
}
