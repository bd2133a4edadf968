// A shared library that is not a plugin: it exports no plugin record.

extern "C" __attribute__((visibility("default"))) int notAPlugin() {
    return 0;
}
