// The engine's rest: the menus' commands and their boxes, the department
// file's full reader, import and export, the working and the pump chart. It
// is the same C++ engine as the first part, split from it by the build
// (web/tools/split-engine.mjs): instantiated over the first part, whose
// memory, table and functions it imports, its functions take the places
// that wait for them in the first part's table, and the engine is whole.
//
// The page fetches it once the panel is ready, when the browser is idle, or
// at once when something needs it (run()); what needs it before it has
// arrived runs as soon as it has, in the order asked, and until then the
// keys pressed are held (holding()) and handed on after (whenSettled()).
const FILE = 'engine.deferred.wasm';

function compile() {
  return WebAssembly.compileStreaming(fetch(FILE)).catch(() =>
    fetch(FILE)
      .then((response) => {
        if (!response.ok) throw new Error(`${FILE}: ${response.status}`);
        return response.arrayBuffer();
      })
      .then((bytes) => WebAssembly.compile(bytes)),
  );
}

export class EngineRest {
  constructor() {
    this.exports = null; // the first part's, once it runs
    this.engine = null; // its calls (engine-calls.js)
    this.code = null; // the rest's compiled code
    this.instantiated = false;
    this.attached = false; // instantiated and started
    this.loading = null;
    this.waiting = [];
    this.settled = [];
  }

  // The first part's exports, which the rest imports, and the engine's
  // calls, once the first part runs.
  use(exports, engine) {
    this.exports = exports;
    this.engine = engine;
  }

  // Fetches, instantiates and starts the rest, once; resolves to whether it
  // has arrived. Should it fail (no network, and the site not kept yet),
  // what waited for it is dropped and the engine says so, and the next need
  // tries again.
  load() {
    this.loading ??= (async () => {
      try {
        this.code ??= await compile();
        if (!this.instantiated) await WebAssembly.instantiate(this.code, { primary: this.exports });
        this.instantiated = true;
        this.engine.startRest();
        this.attached = true;
      } catch {
        this.loading = null;
        if (this.waiting.splice(0).length) this.engine.restMissing();
      }
      for (const action of this.waiting.splice(0)) action();
      for (const then of this.settled) then();
      return this.attached;
    })();
    return this.loading;
  }

  // Runs `action` now when the rest has arrived, else as soon as it has.
  run(action) {
    if (this.attached) return action();
    this.waiting.push(action);
    this.load();
    return undefined;
  }

  // Whether something waits for the rest: the keys pressed meanwhile wait
  // behind it.
  holding() {
    return this.waiting.length > 0;
  }

  // `then` after every arrival of the rest (or failure), once what waited
  // for it has run.
  whenSettled(then) {
    this.settled.push(then);
  }

  // The glue's call when a function of the first part calls into the rest
  // before it has arrived (emscripten's loadSplitModule): a fault of the
  // split, said as one, which the tests look for. The rest is then
  // instantiated at once if its code is here; else the call cannot go on.
  loadSplitModule(file, imports, slot) {
    console.error(`the engine's first part called into its rest (${slot}) before it had arrived`);
    if (!this.code || this.instantiated) throw new Error(`${file} is not here yet`);
    new WebAssembly.Instance(this.code, imports);
    this.instantiated = true;
  }
}
