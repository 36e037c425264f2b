#ifndef ORVAGUITOOLKIT_LINEEDIT_REGEXPVALIDATOR_H
#define ORVAGUITOOLKIT_LINEEDIT_REGEXPVALIDATOR_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QRegExp>
#include <QtGui/QValidator>
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
#include <QtGui/QRegExpValidator>
#endif

#include <memory>

QT_BEGIN_NAMESPACE
class QTextCodec;
QT_END_NAMESPACE

namespace OrvaGUIToolkit {

class CRegExpValidatorPrivate;

// A validator that limits a text by the number of bytes it takes in a text
// codec (fields stored in fixed-size byte buffers by devices and databases),
// or that refuses the characters matched by a forbidden-character expression.
//
// With the default expression ".*" the expression is an ordinary validation
// pattern; any other expression is taken as a forbidden-character expression.
// Without a codec of its own the validator counts bytes in the process-wide
// codec current at validation time (GetGuiTextCodec()).
//
// On Qt 5 the class is a QRegExpValidator. Qt 6 dropped that class, so there
// the validator derives from QValidator and carries the same expression
// accessors and change signal itself.
class ORVAGUITOOLKIT_EXPORT CRegExpValidator
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    : public QRegExpValidator
#else
    : public QValidator
#endif
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CRegExpValidator)

public:
    explicit CRegExpValidator(int iMaxLength, QObject* pParent = nullptr);
    explicit CRegExpValidator(const QRegExp& regExp, QObject* pParent = nullptr);
    CRegExpValidator(int iMaxLength, const QRegExp& regExp, QObject* pParent = nullptr);
    ~CRegExpValidator() override;

    // -1 (or any negative value) means no byte limit.
    int GetMaxLength() const;
    void SetMaxLength(int iMaxLength);

    // The codec bytes are counted in; null returns to the process-wide codec.
    QTextCodec* GetTextCodec() const;
    void SetTextCodec(QTextCodec* pCodec);

    QValidator::State validate(QString& strInput, int& iPos) const override;

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QRegExp regExp() const;
    void setRegExp(const QRegExp& regExp);

Q_SIGNALS:
    void regExpChanged(const QRegExp& regExp);
#endif

protected:
    // For validators that extend the state: dd derives from the validator's
    // state and is owned by the validator from here on.
    CRegExpValidator(CRegExpValidatorPrivate& dd, int iMaxLength, const QRegExp& regExp, QObject* pParent);

    const std::unique_ptr<CRegExpValidatorPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
