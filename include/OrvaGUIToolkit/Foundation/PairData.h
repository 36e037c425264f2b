#ifndef ORVAGUITOOLKIT_FOUNDATION_PAIRDATA_H
#define ORVAGUITOOLKIT_FOUNDATION_PAIRDATA_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QMetaType>
#include <QtCore/QVariant>

#include <memory>

namespace OrvaGUIToolkit {

class CPairDataPrivate;

// Two variants, first and second. Two pairs are equal when both parts are.
class ORVAGUITOOLKIT_EXPORT CPairData
{
    Q_DECLARE_PRIVATE(CPairData)

public:
    CPairData();
    CPairData(const QVariant& first, const QVariant& second);
    CPairData(const CPairData& other);
    CPairData& operator=(const CPairData& other);
    ~CPairData();

    void SetFirst(const QVariant& first);
    QVariant GetFirst() const;
    void SetSecond(const QVariant& second);
    QVariant GetSecond() const;

    bool operator==(const CPairData& other) const;
    bool operator!=(const CPairData& other) const;

private:
    std::unique_ptr<CPairDataPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

Q_DECLARE_METATYPE(OrvaGUIToolkit::CPairData)

#endif
