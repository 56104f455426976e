// The translator hook: one atomic pointer, set when the GUI part loads.
#include "platform/tvutils/Translate.h"

#include <atomic>

namespace ut {
namespace {
std::atomic<Translator> g_translator{nullptr};
}

std::wstring translate(const wchar_t* text)
{
    const Translator t = g_translator.load();
    return t ? t(text) : std::wstring(text ? text : L"");
}

void setTranslator(Translator translator) { g_translator.store(translator); }

} // namespace ut
