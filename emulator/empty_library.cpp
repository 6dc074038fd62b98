// A host library of which the emulator serves nothing yet: it exists under its file name so
// that loading it succeeds, and binding any of its entry points fails as on a host without it.
