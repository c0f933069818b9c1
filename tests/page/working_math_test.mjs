// The working's typesetting without a browser: each node of the working
// (maths_text/figure_text.h) as MathML, and a step cut into links at the "=", "+",
// "−" of its outer level only, a vector's link in parts after its commas.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { Links, ToMathMl } from '../../page/working_math.mjs';

// A tree as MathML markup, attributes in the order given.
const Markup = (tree) => typeof tree === 'string' ? tree
  : `<${tree.tag}${Object.entries(tree.attributes)
    .map(([name, value]) => ` ${name}="${value}"`).join('')}>${
    tree.children.map(Markup).join('')}</${tree.tag}>`;

const a = ['mi', 'a'];
const x = ['mi', 'x'];

test('each node of the working is its MathML', () => {
  for (const [node, markup] of [
    [['mn', '0.6'], '<mn>0.6</mn>'],
    [['mn', '-3'], '<mn>\u22123</mn>'],
    [['mn', '-0'], '<mn>\u22120</mn>'],
    [['mn', '1e-05'], '<mn>1e-05</mn>'],
    [['mn', 'nan'], '<mn>nan</mn>'],
    [['mo', '\u00d7'], '<mo>\u00d7</mo>'],
    [['sub', [a], [x]], '<msub><mrow><mi>a</mi></mrow><mrow><mi>x</mi></mrow>' +
      '</msub>'],
    [['hat', [a]], '<mover accent="true"><mrow><mi>a</mi></mrow>' +
      '<mo stretchy="false">\u02c6</mo></mover>'],
    [['norm', [a, ['mo', '\u2212'], ['mi', 'b']]], '<mrow>' +
      '<mo stretchy="false">|</mo><mi>a</mi><mo>\u2212</mo><mi>b</mi>' +
      '<mo stretchy="false">|</mo></mrow>'],
    [['frac', [x], [['mn', '5']]], '<mfrac><mrow><mi>x</mi></mrow><mrow>' +
      '<mn>5</mn></mrow></mfrac>'],
    [['sqrt', [['mn', '25']]], '<msqrt><mn>25</mn></msqrt>'],
    [['tuple', [[['mn', '-0']], [['mn', '0']], [['mn', '1']]]],
      '<mrow><mo>(</mo><mrow><mn>\u22120</mn></mrow><mo>,</mo>' +
      '<mrow><mn>0</mn></mrow><mo>,</mo><mrow><mn>1</mn></mrow><mo>)</mo>' +
      '</mrow>'],
  ]) {
    assert.equal(Markup(ToMathMl(node)), markup, JSON.stringify(node));
  }
});

test('a node the program does not write is refused', () => {
  for (const node of [['mtext', 'x'], ['toString'], []]) {
    assert.throws(() => ToMathMl(node), /unknown working node/);
  }
});

// Magniute of (3, 4), its sum of squares step as the program writes it.
const ax = ['sub', [a], [x]];
const ay = ['sub', [a], [['mi', 'y']]];
const kSquares = [ax, ['mo', '·'], ax, ['mo', '+'], ay, ['mo', '·'], ay,
  ['mo', '='], ['mn', '3'], ['mo', '·'], ['mn', '3'], ['mo', '+'],
  ['mn', '4'], ['mo', '·'], ['mn', '4'], ['mo', '='], ['mn', '9'],
  ['mo', '+'], ['mn', '16'], ['mo', '='], ['mn', '25']];
const Text = (tree) => typeof tree === 'string' ? tree
  : tree.children.map(Text).join('');

test('a step breaks before "=", "+" and "−"; a product before its dot, and a ' +
  'vector after its commas and its components\' own "+" and "−", only ' +
  'where its link is too long', () => {
  for (const [math, links] of [
    // A product is one link, in parts before its dot.
    [kSquares, [['ax', '·ax'], ['+ay', '·ay'], ['=3', '·3'], ['+4', '·4'],
      ['=9'], ['+16'], ['=25']]],
    // Not inside brackets: "(1 − t)" stays whole.
    [[['mo', '('], ['mn', '1'], ['mo', '\u2212'], ['mi', 't'], ['mo', ')'],
      ['mo', '·'], a, ['mo', '+'], ['mi', 't']], [['(1\u2212t)', '·a'], ['+t']]],
    [[['norm', [a]], ['mo', '='], ['sqrt', [['mn', '25']]], ['mo', '='],
      ['mn', '5']], [['|a|'], ['=25'], ['=5']]],
    // A vector is one link with the "=" before it, in parts after its
    // commas; an "=" inside a node is no place to break.
    [[['mi', 'n'], ['mo', '='], ['tuple', [[['mn', '-3']], [['mn', '6']],
      [['mn', '-3']]]]], [['n'], ['=(\u22123,', '6,', '\u22123)']]],
    [[['tuple', [[x, ['mo', '='], ['mn', '-1']]]]], [['(x=\u22121)']]],
    // A component too long for a phone breaks before its own "+" or "−",
    // never inside its brackets.
    [[['tuple', [[['mn', '2'], ['mo', '·'], ['mn', '0'], ['mo', '+'],
      ['mn', '3']], [['mo', '('], x, ['mo', '\u2212'], x, ['mo', ')']]]]],
    [['(2·0', '+3,', '(x\u2212x))']]],
    [[['sqrt', [['tuple', [[x], [x]]]]]], [['(x,x)']]],
    [[['mn', '-7']], [['\u22127']]],
    [[], []],
  ]) {
    const made = Links(math);
    assert.ok(made.every((parts) => parts.every((part) =>
      part.tag === 'mrow')));
    assert.deepEqual(made.map((parts) => parts.map(Text)), links);
    // An operator that starts a link keeps the spacing of one between.
    for (const [link] of made.slice(1)) {
      const [first] = link.children;
      if (['=', '+', '\u2212'].includes(first.children[0])) {
        assert.equal(first.attributes.form, 'infix');
      }
    }
  }
});
