#pragma once

#include "board/BoardBuilder.h"

#include <QString>

// The cached page turned into the board in slices at start, so that the window's
// first paint and the user's input come between slices; the page text is held only
// until the board is whole.
class CachedBoardReader
{
public:
    explicit CachedBoardReader(QString page);

    // Reads the next slice; false at the end of the page or when it is not readable.
    bool readSlice();
    bool atEnd() const { return m_Read >= m_Page.size(); }
    // The tabs completed since the last call.
    Board takeCompleteTabs() { return m_Builder.takeCompleteTabs(); }
    // Reads the rest at once; false when the page is not a readable board.
    bool finish();
    const QString &page() const { return m_Page; }

private:
    QString m_Page;
    qsizetype m_Read = 0;
    BoardBuilder m_Builder;
};
