#pragma once

#include <QString>
#include <optional>

namespace MUtils {

// The first HTML link in `html` as plain text: the link's text as it reads on the
// page, one space, its address. Nullopt without an anchor or an opening tag to read.
std::optional<QString> LinkAsPlainText(const QString &html);

} // namespace MUtils
