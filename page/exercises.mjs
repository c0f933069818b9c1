// The figures and Working of the vector exercises, each put into the
// transcript after its result line when the program offers it (the run's
// 'quillary-figure' event, whose detail is the figure's text) and kept
// there; the page then announces 'quillary-figure-drawn'. The prime test
// and the menus have no figure. Each picture is a square as wide as the
// column leaves it (half of it where the Working goes beside), never so
// large that it cannot be seen whole in the window, nor so small that its
// texts crowd it; all are drawn afresh when the window's width changes (a
// zoom, a phone turned), not when only its height does (a phone's
// keyboard), so that the page does not move under the learner's eyes. The
// Figures switch shows and hides every picture; printed, all are shown.
import { ExerciseFigure } from './exercise_figure.mjs';
import { ParseFigure } from './figure_text.mjs';
import { WorkingOf } from './working_list.mjs';

const kLargest = 440;
const kSmallest = 240;
// What the window keeps besides the picture: its caption, the answer line.
const kAround = 170;
const kSideBySide = '(min-width: 48rem)';

// The side of a picture in a column `width` wide of a window `height`
// high, `sideBySide` with its Working or above it.
export function PictureSize(width, height, sideBySide) {
  const room = sideBySide ? width / 2 : width;
  const fits = Math.max(kSmallest, height - kAround);
  return Math.floor(Math.max(Math.min(room, kLargest, fits),
    Math.min(room, kSmallest / 2)));
}

export class Exercises {
  #transcript;
  #column;
  #figures = [];
  #width = innerWidth;
  // The pictures' size, worked out once a width: asking the column's width
  // lays out the whole page, which a notebook played back would otherwise
  // do at every exercise.
  #pictureSize = 0;

  // `transcript` is the page's Transcript, `column` its element, `toggle`
  // the Figures switch.
  constructor(transcript, column, toggle) {
    this.#transcript = transcript;
    this.#column = column;
    addEventListener('quillary-figure', (event) => {
      this.#place(ParseFigure(event.detail));
      dispatchEvent(new Event('quillary-figure-drawn'));
    });
    addEventListener('resize', () => {
      if (innerWidth === this.#width) return;
      this.#width = innerWidth;
      this.#pictureSize = 0;
      const size = this.#size();
      for (const figure of this.#figures) figure.resize(size);
    });
    // A worksheet shows every Working, also those the learner closed.
    addEventListener('beforeprint', () => {
      for (const working of this.#column.querySelectorAll('.working')) {
        working.open = true;
      }
    });
    const Show = () =>
      document.body.classList.toggle('figures-hidden', !toggle.checked);
    toggle.addEventListener('change', Show);
    Show();
  }

  #place(figure) {
    const exercise = document.createElement('div');
    exercise.className = 'exercise';
    const picture = new ExerciseFigure(figure);
    exercise.append(picture.element);
    const working = WorkingOf(figure.working);
    if (working) exercise.append(working);
    this.#transcript.place(exercise);
    picture.resize(this.#size());
    this.#figures.push(picture);
  }

  #size() {
    this.#pictureSize ||= this.#measuredSize();
    return this.#pictureSize;
  }

  #measuredSize() {
    const style = getComputedStyle(this.#column);
    const width = this.#column.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight);
    return PictureSize(width, innerHeight, matchMedia(kSideBySide).matches);
  }
}
