#ifndef ORVAGUITOOLKIT_FOUNDATION_MULTIPAIRDATA_H
#define ORVAGUITOOLKIT_FOUNDATION_MULTIPAIRDATA_H

#include <OrvaGUIToolkit/Foundation/PairData.h>

#include <QtCore/QList>

#include <memory>

namespace OrvaGUIToolkit {

class CMultiPairDataPrivate;

// A small map from first to second that keeps insertion order; item models
// carry it in variants (for example the entries of a combo-box cell editor).
class ORVAGUITOOLKIT_EXPORT CMultiPairData
{
    Q_DECLARE_PRIVATE(CMultiPairData)

public:
    CMultiPairData();
    CMultiPairData(const CMultiPairData& other);
    CMultiPairData& operator=(const CMultiPairData& other);
    ~CMultiPairData();

    // Adds or replaces the pair of that first; an invalid second removes an
    // existing pair but is stored as it is for a new first.
    void InsertPairData(const QVariant& first, const QVariant& second);
    void RemovePairData(const QVariant& first);
    // The second of that first, or an invalid variant.
    QVariant GetPairData(const QVariant& first) const;

    int Count() const;
    bool operator==(const CMultiPairData& other) const;

private:
    std::unique_ptr<CMultiPairDataPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

Q_DECLARE_METATYPE(OrvaGUIToolkit::CMultiPairData)
Q_DECLARE_METATYPE(QList<OrvaGUIToolkit::CMultiPairData>)

#endif
