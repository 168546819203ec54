#include "app/CachedBoardReader.h"

#include <algorithm>

namespace {

// One slice of the page: about a millisecond of reading.
constexpr qsizetype kCacheSlice = 32 * 1024;

} // namespace

CachedBoardReader::CachedBoardReader(QString page) : m_Page(std::move(page))
{
    m_Builder.begin();
}

bool CachedBoardReader::readSlice()
{
    if (atEnd() || !m_Builder.feed(QStringView(m_Page).mid(m_Read, kCacheSlice)))
        return false;
    m_Read += kCacheSlice;
    return true;
}

bool CachedBoardReader::finish()
{
    return m_Builder.feed(QStringView(m_Page).sliced(std::min(m_Read, m_Page.size()))) &&
           m_Builder.finish();
}
