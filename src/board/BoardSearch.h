#pragma once

#include "board/MNameValue.h"

#include <QList>
#include <QString>

// Items of all lists whose value contains `text`, letter case ignored, in list
// order. The text is one substring: spaces count, nothing is split into words.
// An empty text finds nothing.
QList<MNameValue> SearchItems(const QList<const QList<MNameValue> *> &lists, const QString &text);
