#include "cli/output.h"

#include "engine/stored_name.h"

void Output::Write(std::FILE* stream, const std::string& text) const
{
    // Texts may hold stored names: UTF-8 carries their true characters, the
    // code page shows "?" for those it cannot write.
    const std::string& bytes = m_utf8 ? Utf8FromWide(WideFromStored(text)) : PrintableStored(text);
    std::fwrite(bytes.data(), 1, bytes.size(), stream);
}
