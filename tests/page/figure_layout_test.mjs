// Where the figures go in the drawing: the views keep every point inside it
// at one scale for all axes, and labels keep inside it and off each other.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { View2d, View3d, kStartTurn } from '../../page/figure_views.mjs';
import { LabelPlacer, LabelSize } from '../../page/label_placement.mjs';
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
