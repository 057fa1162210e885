#include "shell/fontsystemwarmup.h"

#include <fontconfig/fontconfig.h>

FontSystemWarmUp::FontSystemWarmUp() : m_worker([] { FcInit(); }) {}

FontSystemWarmUp::~FontSystemWarmUp()
{
    finish();
}

void FontSystemWarmUp::finish()
{
    if (m_worker.joinable())
        m_worker.join();
}
