#include "UncoveredParts.h"

#include <QtCore/QPair>

#include <algorithm>

namespace OrvaGUIToolkit {

namespace {

// A horizontal span [iLeft, iRight), right edge exclusive.
using Span = QPair<int, int>;

// The covers inside the area, sorted by their top.
QVector<QRect> ClippedCovers(const QRect& rectArea, const QVector<QRect>& vecCover)
{
    QVector<QRect> vecClipped;
    vecClipped.reserve(vecCover.size());
    for (const QRect& rect : vecCover) {
        const QRect rectClipped = rect & rectArea;
        if (!rectClipped.isEmpty())
            vecClipped.append(rectClipped);
    }
    std::sort(vecClipped.begin(), vecClipped.end(),
              [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
    return vecClipped;
}

// Every row at which the set of covers changes, from the area's top to one
// past its bottom.
QVector<int> BandEdges(const QRect& rectArea, const QVector<QRect>& vecCovers)
{
    QVector<int> vecEdges;
    vecEdges.reserve(vecCovers.size() * 2 + 2);
    vecEdges.append(rectArea.top());
    vecEdges.append(rectArea.bottom() + 1);
    for (const QRect& rect : vecCovers) {
        vecEdges.append(rect.top());
        vecEdges.append(rect.bottom() + 1);
    }
    std::sort(vecEdges.begin(), vecEdges.end());
    vecEdges.erase(std::unique(vecEdges.begin(), vecEdges.end()), vecEdges.end());
    return vecEdges;
}

// The gaps of [iLeft, iRight) between the covered spans, into vecGaps.
void FindGaps(QVector<Span>& vecCovered, int iLeft, int iRight, QVector<Span>& vecGaps)
{
    std::sort(vecCovered.begin(), vecCovered.end());
    vecGaps.clear();
    int iFrom = iLeft;
    for (int i = 0; i < vecCovered.size();) {
        Span span = vecCovered.at(i);
        for (++i; i < vecCovered.size() && vecCovered.at(i).first <= span.second; ++i)
            span.second = qMax(span.second, vecCovered.at(i).second);
        if (span.first > iFrom)
            vecGaps.append({iFrom, span.first});
        iFrom = span.second;
    }
    if (iFrom < iRight)
        vecGaps.append({iFrom, iRight});
}

} // namespace

QVector<QRect> UncoveredParts(const QRect& rectArea, const QVector<QRect>& vecCover)
{
    if (rectArea.isEmpty())
        return {};
    const QVector<QRect> vecCovers = ClippedCovers(rectArea, vecCover);
    if (vecCovers.isEmpty())
        return {rectArea};
    const QVector<int> vecEdges = BandEdges(rectArea, vecCovers);

    QVector<QRect> vecParts;
    // The parts of the band above, which a band with the same gaps extends.
    QVector<Span> vecPreviousGaps;
    int iPreviousFirst = 0;
    QVector<QRect> vecActive;
    QVector<Span> vecCovered;
    QVector<Span> vecGaps;
    int iNext = 0;
    for (int iEdge = 0; iEdge + 1 < vecEdges.size(); ++iEdge) {
        const int iTop = vecEdges.at(iEdge);
        const int iHeight = vecEdges.at(iEdge + 1) - iTop;
        vecActive.erase(std::remove_if(vecActive.begin(), vecActive.end(),
                                       [iTop](const QRect& rect) { return rect.bottom() < iTop; }),
                        vecActive.end());
        for (; iNext < vecCovers.size() && vecCovers.at(iNext).top() <= iTop; ++iNext)
            vecActive.append(vecCovers.at(iNext));
        vecCovered.clear();
        for (const QRect& rect : qAsConst(vecActive))
            vecCovered.append({rect.left(), rect.right() + 1});
        FindGaps(vecCovered, rectArea.left(), rectArea.right() + 1, vecGaps);
        if (!vecGaps.isEmpty() && vecGaps == vecPreviousGaps) {
            for (int i = iPreviousFirst; i < vecParts.size(); ++i)
                vecParts[i].setBottom(iTop + iHeight - 1);
            continue;
        }
        iPreviousFirst = vecParts.size();
        for (const Span& span : vecGaps)
            vecParts.append(QRect(span.first, iTop, span.second - span.first, iHeight));
        vecPreviousGaps.swap(vecGaps);
    }
    return vecParts;
}

} // namespace OrvaGUIToolkit
