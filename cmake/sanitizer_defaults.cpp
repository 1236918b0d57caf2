// The sanitizers' run-time defaults, built into every program of a sanitizer build. Options
// given in ASAN_OPTIONS are read after these and take precedence.
//
// intercept_tls_get_addr=0: the AddressSanitizer runtime of the toolchains in use (GCC 12,
// clang before 17) takes a thread's dynamic TLS block (the thread-local variables of a library
// opened at run time, such as the JPEG reader Qt loads for the address book's picture) for the
// block of a glibc older than 2.25 whenever it happens to start 16 bytes into a page, and reads
// the allocator's header in front of it as that block's start and size. The leak check at exit
// then scans the made-up range and dies ("Tracer caught signal 11", "LeakSanitizer has
// encountered a fatal error") before looking for a single leak: an abort that comes and goes
// with where the heap puts a 16-byte block. Without the interception the leak check still sees
// those blocks, as the heap blocks glibc makes them, reached through the thread's table of them.
extern "C" const char *__asan_default_options() {
    return "intercept_tls_get_addr=0";
}
