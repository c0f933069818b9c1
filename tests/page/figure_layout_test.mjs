// Where the figures go in the drawing: the views keep every point inside it
// at one scale for all axes, and labels keep inside it and off each other.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import {
  AreaShown, Foreshortening, StartTurn, View2d, View3d, kStartTurn,
} from '../../page/figure_views.mjs';
import {
  LabelPlacer, LabelSize, SegmentCrosses, Uncovered, Within,
} from '../../page/label_placement.mjs';
import {
  InsetFor, InsetGroups, Lanes, kLaneGap, kShortest,
} from '../../page/operand_scale.mjs';
import { IsThreeDimensional, ParseFigure, Undrawable }
  from '../../page/figure_text.mjs';

const kSize = 400;
const Inside = ([x, y]) => x >= 0 && x <= kSize && y >= 0 && y <= kSize;

test('a 2D view holds every point at the same scale on both axes', () => {
  for (const points of [[[0, 0], [3, 4]], [[0, 1], [1000, 1000]],
    [[-5, -5], [-5, -5]], [[0, 0]], [[2147483647, -2147483648], [0, 0]]]) {
    const view = View2d(points, kSize);
    for (const point of points) assert.ok(Inside(view.ToPixels(point)));
    const [origin, unitX, unitY] = [[0, 0], [1, 0], [0, 1]]
      .map((p) => view.ToPixels(p));
    assert.ok(Math.abs((unitX[0] - origin[0]) - (origin[1] - unitY[1])) <
      1e-9 * view.scale + 1e-9);
  }
});

test('a 3D view keeps the figure in the drawing however it is turned', () => {
  const points = [[0, 0, 0], [3, -2, 5], [-1, 4, 2], [-24, -11, 10]];
  for (const yaw of [-3, -0.6, 0, 1.2, 3]) {
    for (const pitch of [-Math.PI / 2, 0, 0.45, Math.PI / 2]) {
      const view = View3d(points, { yaw, pitch }, kSize);
      for (const point of points) assert.ok(Inside(view.ToPixels(point)));
    }
  }
  const view = View3d(points, kStartTurn, kSize);
  assert.equal(view.edge % view.step, 0);
  assert.ok(view.edge >= 24);
});

test('labels stay inside the drawing and off the labels placed before', () => {
  const placer = new LabelPlacer(kSize);
  const boxes = [];
  const size = LabelSize(['a + b', '(1000, 1001)']);
  for (const tip of [[200, 200], [201, 199], [202, 201], [399, 1], [0, 399],
    [200, 203]]) {
    const [left, top] = placer.beyond([100, 100], tip, size.width,
      size.height);
    const box = { left, top, ...size };
    assert.ok(left >= 0 && top >= 0 && left + box.width <= kSize &&
      top + box.height <= kSize);
    for (const other of boxes) {
      assert.ok(left >= other.left + other.width ||
        other.left >= left + box.width || top >= other.top + other.height ||
        other.top >= top + box.height, 'labels overlap');
    }
    boxes.push(box);
  }
});

test('a figure\'s text keeps the program\'s texts; what cannot be drawn says why',
  () => {
    const figure = ParseFigure('{"exercise":"Dot","line":"x","caption":"",' +
      '"first":["0","0"],"second":["1","2"],"result":["nan"]}');
    assert.deepEqual(figure.second.texts, ['1', '2']);
    assert.equal(IsThreeDimensional(figure), false);
    assert.equal(Undrawable(figure), 'a zero vector has no direction');
    figure.first = { texts: ['inf', '1'], at: [Infinity, 1] };
    assert.equal(Undrawable(figure), 'it is not a finite number');
    assert.equal(Undrawable(ParseFigure('{"exercise":"Cross","line":"",' +
      '"first":["1","2","3"],"second":["0","1","0"],' +
      '"result":["-3","0","1"]}')), '');
  });

test('a label takes a free place near its tip, off strokes and boxes', () => {
  const placer = new LabelPlacer(kSize);
  const stroke = [[0, 200], [400, 200]];
  placer.avoidSegment(...stroke);
  placer.avoidBox(190, 100, 20, 20);
  const size = LabelSize(['a', '(3, 4)']);
  for (const [from, to] of [[[100, 300], [200, 200]],
    [[100, 100], [200, 110]], [[200, 200], [399, 399]],
    [[200, 200], [200, 200]]]) {
    const [left, top] = placer.beyond(from, to, size.width, size.height);
    const box = { left, top, ...size };
    assert.ok(!SegmentCrosses(box, stroke), `${to}`);
    assert.ok(left >= 0 && top >= 0 && left + size.width <= kSize &&
      top + size.height <= kSize);
    assert.ok(Math.hypot(left + size.width / 2 - to[0],
      top + size.height / 2 - to[1]) < 80, `${to} placed far away`);
  }
  // A tick that finds no free place is left out.
  assert.equal(placer.take([[185, 95], [195, 195]], 10, 10), null);
  assert.deepEqual(placer.take([[185, 95], [300, 20]], 10, 10), [300, 20]);
});

test('vectors along one another go side by side', () => {
  const [o, tip, half, far] = [[50, 50], [150, 150], [100, 100], [50, 250]];
  const lanes = Lanes([[o, tip], [o, half], [half, tip], [o, far],
    [tip, o]]);
  assert.deepEqual(lanes.map((shift) => Math.round(Math.hypot(...shift))),
    [0, kLaneGap, kLaneGap, 0, 3 * kLaneGap]);
  // Sideways: across the line, and the same side whichever way it points.
  assert.ok(Math.abs(lanes[1][0] + lanes[1][1]) < 1e-9);
  assert.ok(Math.abs(lanes[4][0] / 3 - lanes[1][0]) < 1e-9);
});

test('vectors too short to see are enlarged in an inset by a round factor',
  () => {
    for (const [lengths, shown] of [
      [[300, 0.3, 280], [false, true, false]],
      [[300, 20, 10, 0], [false, true, true, false]],
      [[9, 22, 80], [true, true, false]],
      [[0.37, 300], [true, false]],
      [[30, 24, 200], null], [[1e-320, 300], null]]) {
      const inset = InsetFor(lengths, 104, 180);
      assert.deepEqual(inset?.shown ?? null, shown, `${lengths}`);
      if (!inset) continue;
      const drawn = lengths.filter((_, i) => shown[i]);
      assert.ok(Math.min(...drawn) * inset.factor >= kShortest, `${lengths}`);
      assert.ok(Math.max(...drawn) * inset.factor <= 0.4 * inset.side);
      assert.ok(inset.side >= 104 && inset.side <= 180);
      const mantissa = inset.factor / 10 ** Math.floor(
        Math.log10(inset.factor));
      assert.ok([1, 1.5, 2, 2.5, 3, 4, 5, 6, 8].some(
        (m) => Math.abs(m - mantissa) < 1e-9), `${inset.factor}`);
    }
  });

test('vectors too far apart in length for one factor go in insets of their own',
  () => {
    const lengths = [0.14, 8, 300];
    const first = InsetFor(lengths, 104, 164);
    assert.deepEqual(first.shown, [true, false, false]);
    assert.ok(0.14 * first.factor >= kShortest);
    const second = InsetFor([0, 8, 300], 104, 164);
    assert.deepEqual(second.shown, [false, true, false]);
    assert.ok(8 * second.factor >= kShortest);
    // Two insets, each in a corner of its own beside the other.
    const Vector = (to, point) => ({ from: [0, 0], to, point });
    const groups = InsetGroups([Vector([0.1, 0.1]), Vector([6, 0]),
      Vector([200, 0])], 300);
    assert.deepEqual(groups.map((group) => group.shown),
      [[true, false, false], [false, true, false]]);
    assert.ok(groups.every((group) => group.side <= 0.48 * 300));
    // A triangle's corners from its middle, shown whole, as far as fits.
    const triangle = InsetGroups([Vector([3, 0], true), Vector([0, 20], true),
      Vector([-30, -2], true), Vector([0, 200])], 300);
    assert.deepEqual(triangle.map((group) => group.shown),
      [[true, true, true, false]]);
    assert.ok(30.1 * triangle[0].factor <= 0.4 * triangle[0].side);
  });

// A cross product and a triangle under its normal that the usual view
// shows end on; the normal of a parallelogram is shown long only where the
// parallelogram is not seen edge on.
const kFigures = [
  [[[1, 2, 3], [4, 5, 6], [-3, 6, -3]], [[[1, 2, 3], [4, 5, 6]]]],
  [[[8, -12, 10], [0, -5 / 3, -2], [2, 4 / 3, 0], [-2, 1 / 3, 2]],
    [[[2, 3, 2], [-2, 2, 4]]]],
];

test('a 3D figure opens where each vector shows half its length and more',
  () => {
    for (const [vectors, planes] of kFigures) {
      const turn = StartTurn(vectors, planes);
      for (const vector of vectors) {
        assert.ok(Foreshortening(vector, turn) >= 0.5, `${vector}`);
      }
      for (const plane of planes) {
        assert.ok(AreaShown(plane, turn) >= 0.25, `${plane}`);
      }
      assert.ok(Foreshortening([0, 0, 1], turn) >= 0.5);
    }
    // Where the usual view shows all well, it is the one.
    assert.deepEqual(StartTurn([[1, 0, 0], [0, 0, 1]]), kStartTurn);
    assert.deepEqual(StartTurn([]), kStartTurn);
  });

test('a grid line goes round the labels; a line keeps inside its box', () => {
  const label = { left: 40, top: 40, width: 20, height: 10 };
  const pieces = Uncovered([[0, 45], [100, 45]], [label]);
  assert.deepEqual(pieces.map(([a, b]) => [a[0], b[0]]), [[0, 38], [62, 100]]);
  assert.ok(pieces.every((piece) => !SegmentCrosses(label, piece)));
  assert.deepEqual(Uncovered([[0, 0], [100, 0]], [label]),
    [[[0, 0], [100, 0]]]);
  assert.equal(Within([[-100, 500], [300, 500]],
    { left: 10, top: 0, width: 100, height: 100 }), null);
});
