#pragma once

#include <functional>
#include <thread>

// The font configuration is read on a thread of its own while the display connection is
// made: the first widget then finds it loaded instead of parsing it on the way to the first
// paint. Reading it twice would be harmless (the library keeps one and drops the other) but
// would do the work twice on a busy machine: the window waits for the thread before its
// first widget (Wait), which costs at most what reading it there would have cost.
class TFontWarmup
{
public:
    // `work` defaults to loading the system's font configuration and the list of its fonts.
    explicit TFontWarmup(std::function<void()> work = {});
    ~TFontWarmup();
    TFontWarmup(const TFontWarmup &) = delete;
    TFontWarmup &operator=(const TFontWarmup &) = delete;

    // False where the program was built without fontconfig and no work was given, and
    // once waited for.
    bool Started() const { return m_thread.joinable(); }
    // Returns once the work is done (at once when it never started).
    void Wait();

    // Loads the configuration and lists the fonts once (the cache files are then mapped and
    // read); nothing where fontconfig is not used.
    static void LoadFontConfig();

private:
    std::thread m_thread;
};
