// The code of a host library other than kelcore.dll: none. Its DLL exists under the host's file
// name, and its export table (a .def made from served.inc) forwards what the emulator serves of
// it to kelcore.dll; binding any other of its entry points fails as on a host without it.
