// The embedded stored scripts and reference data are generated next to this
// file at build time (see resources/CMakeLists.txt).
