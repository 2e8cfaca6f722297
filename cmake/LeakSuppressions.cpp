// fontconfig keeps the fonts it has matched, and cairo its font faces made from them, in caches that
// live as long as the process; the leak checker would report them at exit.
#if defined(__SANITIZE_ADDRESS__)
extern "C" __attribute__((visibility("default"))) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
#endif
