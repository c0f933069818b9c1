// The browser page: the transcript of the runs (every screen, with each
// vector exercise's figure and Working after its result line), the answer
// line and its hint under it, Help, the run kept in the tab across a
// reload and handed out as a link, and the program, started afresh for
// each run. This is the page's entry: it only makes each part and wires
// them together; each module says what it owns.
import createQuillary from 'quillary-program';
import { AnswerHint } from './answer_hint.mjs';
import { AnswerLine, TypesInField } from './answer_line.mjs';
import { AskFirst, OpenLinkDialog } from './dialogs.mjs';
import { Exercises } from './exercises.mjs';
import { OpenHelp } from './help.mjs';
import { KeptRun } from './kept_run.mjs';
import { ReadQueue } from './read_queue.mjs';
import { Runs } from './run.mjs';
import { Transcript } from './transcript.mjs';
import './page.css';
import './exercise.css';
import './working_section.css';
import './print.css';

const log = document.getElementById('transcript');
const transcript = new Transcript(log);
const reads = new ReadQueue((line) => transcript.echo(line));
const runs = new Runs({ createProgram: createQuillary, reads, transcript });

// The newest of the transcript in view whenever the program asks, or a run
// ends: the page's end, with the question just above the answer line. Once
// a frame, however many questions a paste asks in it.
let scrollScheduled = false;
function ShowNewest() {
  if (scrollScheduled) return;
  scrollScheduled = true;
  requestAnimationFrame(() => {
    scrollScheduled = false;
    const page = document.scrollingElement;
    page.scrollTop = page.scrollHeight;
  });
}
addEventListener('quillary-prompt', ShowNewest);
addEventListener('quillary-ended', ShowNewest);
// A phone's keyboard coming up narrows what can be seen of the page: the
// field and the question above it move back into view.
visualViewport?.addEventListener('resize', () => {
  if (document.activeElement?.id === 'answer') ShowNewest();
});

new Exercises(transcript, log, document.getElementById('figure-switch'));
new AnswerHint(document.getElementById('answer-hint'),
  document.getElementById('answer-hint-spoken')).open();
const kept = new KeptRun({ send: (text) => reads.send(text),
  interrupt: () => runs.interrupt(), drained: () => reads.drained() });
// On a touch screen, a tap on End input or Interrupt asks first once the
// run holds work; the keys act at once.
const kQuestions = {
  'end-input': ['End the input? The run ends here.', 'End input'],
  'interrupt': ['Interrupt the run? It ends here.', 'Interrupt'],
};
const Confirm = (button) => (TypesInField() && kept.texts.length > 0
  ? AskFirst(...kQuestions[button.id]) : Promise.resolve(true));
new AnswerLine({ send: (text) => kept.send(text),
  interrupt: () => kept.interrupt(), confirm: Confirm }).open(log);
OpenHelp();
OpenLinkDialog(() => kept.texts);
runs.start();
const refusal = kept.restore(document.getElementById('answer'));
if (refusal) transcript.note(`[${refusal}]\n`);
