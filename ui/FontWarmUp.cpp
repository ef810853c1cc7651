#include "ui/FontWarmUp.h"

#ifdef CORVALEN_HAVE_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace corvalen {

FontWarmUp::FontWarmUp()
{
#ifdef CORVALEN_HAVE_FONTCONFIG
    // The configuration's many files are parsed once per process; FcInit keeps the result.
    mThread = std::thread([] { FcInit(); });
#endif
}

FontWarmUp::~FontWarmUp()
{
    Wait();
}

void FontWarmUp::Wait()
{
    if (mThread.joinable())
        mThread.join();
}

} // namespace corvalen
