#ifndef ORVAGUITOOLKIT_PICTURE_PICDATAMODEL_H
#define ORVAGUITOOLKIT_PICTURE_PICDATAMODEL_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QList>
#include <QtCore/QVariant>

#include <memory>

namespace OrvaGUIToolkit {

class CPicDataModelPrivate;

// The client's data of the pictures of a picture list (a vehicle record, a
// search hit), one item per picture serial number, kept in the order added.
// A picture list given a model adds an empty item for every picture it adds
// and removes it with the picture; the client fills the items.
class ORVAGUITOOLKIT_EXPORT CPicDataModel
{
    Q_DECLARE_PRIVATE(CPicDataModel)

public:
    CPicDataModel();
    virtual ~CPicDataModel();
    CPicDataModel(const CPicDataModel&) = delete;
    CPicDataModel& operator=(const CPicDataModel&) = delete;

    // Adds the item under uLsh, or replaces the item already there (keeping its place).
    void AddItem(unsigned uLsh, const QVariant& item);
    // False when there is no item under uLsh.
    bool DelItem(unsigned uLsh);
    void ClearAll();
    // The item under uLsh; an invalid variant when there is none.
    QVariant GetItem(unsigned uLsh) const;
    bool HasItem(unsigned uLsh) const;
    int GetItemCount() const;
    // The serials of the items in the order they were added.
    QList<unsigned> GetPicLshs() const;

protected:
    // For models that extend the state: dd derives from the model's state
    // and is owned by the model from here on.
    explicit CPicDataModel(CPicDataModelPrivate& dd);

    const std::unique_ptr<CPicDataModelPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
