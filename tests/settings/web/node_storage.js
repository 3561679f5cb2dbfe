// localStorage under Node, as a browser keeps it for one page: named texts in memory.
if (typeof localStorage === 'undefined') {
  globalThis.localStorage = (function () {
    const items = new Map();
    return {
      getItem: (name) => (items.has(name) ? items.get(name) : null),
      setItem: (name, text) => { items.set(String(name), String(text)); },
      removeItem: (name) => { items.delete(name); },
    };
  })();
}
