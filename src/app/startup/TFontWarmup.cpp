#include "app/startup/TFontWarmup.h"

#ifdef QUORTOSK_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

TFontWarmup::TFontWarmup(std::function<void()> work)
{
    if (!work) {
#ifdef QUORTOSK_HAVE_FONTCONFIG
        work = &TFontWarmup::LoadFontConfig;
#else
        return;
#endif
    }
    try {
        m_thread = std::thread(std::move(work));
    } catch (const std::system_error &) {
        // No thread: the fonts are read where they are first needed, as without this.
    }
}

TFontWarmup::~TFontWarmup()
{
    Wait();
}

void TFontWarmup::Wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void TFontWarmup::LoadFontConfig()
{
#ifdef QUORTOSK_HAVE_FONTCONFIG
    if (!FcInit())
        return;
    // The same kind of list the font database asks for first: it reads every cache file,
    // whose pages are then in memory for the window's thread too.
    FcPattern *pattern = FcPatternCreate();
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_WEIGHT, FC_SLANT,
                                            FC_SPACING, FC_SCALABLE, FC_CHARSET, FC_LANG, nullptr);
    if (pattern && objects)
        if (FcFontSet *fonts = FcFontList(nullptr, pattern, objects))
            FcFontSetDestroy(fonts);
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
#endif
}
