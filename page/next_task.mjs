// Scheduling work in a task of its own, so that the browser draws and takes
// input in between.

// Runs `callback` in a task of its own, after whatever the browser has
// queued (drawing, input), without the 4 ms a chain of timers waits.
export function NextTask(callback) {
  const channel = new MessageChannel();
  channel.port1.onmessage = () => {
    channel.port1.close();
    callback();
  };
  channel.port2.postMessage(null);
}
