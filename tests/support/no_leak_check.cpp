// Mesa and SDL keep allocations for the life of the process, so the tiers that open a
// context skip the leak check; the unit tier keeps it.
extern "C" const char* __asan_default_options() {
    return "detect_leaks=0";
}
