// Built into the sanitized test executables: leaks are not checked, as in
// the tests' environment. Qt, fontconfig and libwmf keep memory until exit,
// and the tests discovered one by one do not always get that environment.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
