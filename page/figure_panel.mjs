// The figure panel: the picture of the latest vector exercise, beside the
// terminal (under it on a narrow screen). The program hands each figure to
// its console (OfferFigure), which announces it on window as a
// 'quillary-figure' event whose detail is the figure's JSON text; the panel
// draws it at once and announces 'quillary-figure-drawn'. The prime test and
// the matrix entries have no figure, so the last one stays until the next
// vector exercise or the end of the run. The switch hides the panel.
import { Draw2d } from './figure_2d.mjs';
import { Draw3d, kStartTurn } from './figure_3d.mjs';
import { Svg, Value, kSize } from './figure_svg.mjs';
import './figure_panel.css';

const kRoles = ['first', 'second', 'third', 'parameter', 'result'];
const kTurnStep = 0.1;
const kDragRadiansPerPixel = 0.01;

const panel = document.getElementById('figure-panel');
const toggle = document.getElementById('figure-switch');
const caption = document.createElement('p');
const picture = Svg('svg', {
  role: 'img', viewBox: `0 0 ${kSize} ${kSize}`, 'font-family': 'sans-serif',
});
const note = document.createElement('p');
panel.append(caption, picture, note);

let figure = null;
let turn = { ...kStartTurn };

function Parse(text) {
  const described = JSON.parse(text);
  const parsed = { exercise: described.exercise, line: described.line,
    caption: described.caption };
  for (const role of kRoles) {
    if (described[role]) parsed[role] = Value(described[role]);
  }
  return parsed;
}

const IsThreeDimensional = () => figure.first.at.length === 3;

// Why the figure's numbers cannot be drawn, or '' when they can.
function Undrawable() {
  const numbers = kRoles.flatMap((role) => figure[role]?.at ?? []);
  if (numbers.every(Number.isFinite)) return '';
  const zero = [figure.first, figure.second].some(
    (value) => value?.at.every((number) => number === 0));
  return zero ? 'a zero vector has no direction' : 'it is not a finite number';
}

function Render() {
  panel.hidden = !toggle.checked || figure === null;
  if (panel.hidden) return;
  const reason = Undrawable();
  const turnable = !reason && IsThreeDimensional();
  const shapes = reason ? null
    : turnable ? Draw3d(figure, turn) : Draw2d(figure);
  caption.textContent = (!reason && figure.caption) || figure.line;
  picture.setAttribute('aria-label', figure.line);
  picture.replaceChildren(...(shapes ?? []));
  picture.style.display = shapes ? '' : 'none';
  if (turnable) picture.setAttribute('tabindex', '0');
  else picture.removeAttribute('tabindex');
  note.textContent = reason ? `This result cannot be drawn: ${reason}.`
    : turnable ? 'Drag it, or focus it and use the arrow keys, to turn it.'
      : '';
}

function Turn(yaw, pitch) {
  if (!figure || !IsThreeDimensional()) return;
  const limit = Math.PI / 2;
  turn = { yaw: turn.yaw + yaw,
    pitch: Math.max(-limit, Math.min(limit, turn.pitch + pitch)) };
  Render();
}

const kArrowKeys = {
  ArrowLeft: [-kTurnStep, 0], ArrowRight: [kTurnStep, 0],
  ArrowUp: [0, kTurnStep], ArrowDown: [0, -kTurnStep],
};

picture.addEventListener('keydown', (event) => {
  const step = kArrowKeys[event.key];
  if (!step) return;
  event.preventDefault();
  Turn(...step);
});

let dragFrom = null;
picture.addEventListener('pointerdown', (event) => {
  dragFrom = [event.clientX, event.clientY];
  picture.setPointerCapture(event.pointerId);
});
picture.addEventListener('pointermove', (event) => {
  if (!dragFrom) return;
  const [dx, dy] = [event.clientX - dragFrom[0], event.clientY - dragFrom[1]];
  dragFrom = [event.clientX, event.clientY];
  Turn(dx * kDragRadiansPerPixel, dy * kDragRadiansPerPixel);
});
picture.addEventListener('pointerup', () => { dragFrom = null; });

addEventListener('quillary-figure', (event) => {
  figure = Parse(event.detail);
  turn = { ...kStartTurn };
  Render();
  dispatchEvent(new Event('quillary-figure-drawn'));
});
addEventListener('quillary-ended', () => {
  figure = null;
  Render();
});
toggle.addEventListener('change', Render);
