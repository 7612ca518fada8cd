// Runs jobs one after another; clear() drops the jobs that have not started yet.

export class SerialQueue {
  #tail = Promise.resolve();
  #generation = 0;
  #unfinished = 0;

  // Jobs pushed and not yet finished, the running one included.
  get unfinished() {
    return this.#unfinished;
  }

  push(job) {
    const generation = this.#generation;
    this.#unfinished++;
    const run = this.#tail.then(() => (generation === this.#generation ? job() : undefined));
    this.#tail = run.catch(() => {}).finally(() => this.#unfinished--);
    return run;
  }

  clear() {
    this.#generation++;
  }
}
