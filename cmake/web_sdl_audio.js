// SDL's Web Audio backend calls these from its own JavaScript; emscripten's SDL port would
// pull them in, a library built from source does not.
mergeInto(LibraryManager.library, {
  torvane_sdl_audio__deps: ['$autoResumeAudioContext', '$dynCall'],
  torvane_sdl_audio: function() {},
});
