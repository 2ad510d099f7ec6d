// The per-user settings of the viewer in the page's localStorage: one item per
// value, named by the desktop's key, section and value joined by backslashes
// ("Software\NetMoyoscope\Server Info\recordserver"). A page without storage
// reads nothing and keeps nothing.
const MoyoSettings = {
  name(key, section, value) {
    return [key, section, value].filter((part) => part).join('\\');
  },
  read(name) {
    try {
      return window.localStorage.getItem(name);
    } catch {
      return null;
    }
  },
  write(name, value) {
    try {
      window.localStorage.setItem(name, value);
      return true;
    } catch {
      return false;
    }
  },
};
