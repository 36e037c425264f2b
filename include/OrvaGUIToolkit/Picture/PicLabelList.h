#ifndef ORVAGUITOOLKIT_PICTURE_PICLABELLIST_H
#define ORVAGUITOOLKIT_PICTURE_PICLABELLIST_H

#include <OrvaGUIToolkit/OrvaGUIToolkitGlobal.h>

#include <QtCore/QList>
#include <QtCore/QString>
#include <QtGui/QColor>
#include <QtGui/QPixmap>
#include <QtWidgets/QFrame>

#include <memory>

namespace OrvaGUIToolkit {

class CPicBaseLabel;
class CPicDataModel;
class CPicLabelListPrivate;

// A capture wall: pictures added by file path (or as pixmaps), each known by
// the serial number ("Lsh") AddPic hands out, shown as a grid of equally sized
// picture labels one page at a time, or as one long column for a scroll area.
// Only the page on show has labels, and only they decode their pictures.
// Pictures are selected by click, Ctrl+click and rubber band; a picture's
// selection lives in its label and is lost when its page is left.
class ORVAGUITOOLKIT_EXPORT CPicLabelList : public QFrame
{
    Q_OBJECT
    Q_DECLARE_PRIVATE(CPicLabelList)
    Q_PROPERTY(QColor m_colorBoxSel READ GetBoxSelColor WRITE SetBoxSelColor)

public:
    enum ShowMode {
        Paged = 0,      // pages as high as the list, turned with ShowPage
        SinglePage = 1  // every picture on one page; the list grows to hold them
    };
    Q_ENUM(ShowMode)

    // The serial that stands for "none" in lookups.
    static constexpr unsigned InvalidLsh = 0xFFFFFFFF;

    CPicLabelList(unsigned uWidth, unsigned uHeight, QWidget* pParent = nullptr);
    ~CPicLabelList() override;

    unsigned AddPic(const QString& strPath);
    QList<unsigned> AddPics(const QList<QString>& listPaths);
    // InvalidLsh for a negative index; an index past the end appends.
    unsigned InsertPic(int iIndex, const QString& strPath);
    // A picture given as pixmap instead of a file.
    unsigned AddPixmap(const QPixmap& pixmap);
    bool UpdatePic(unsigned uLsh, const QString& strPath);
    void SetPicText(unsigned uLsh, const QString& strText);
    void SetLabelTips(const QList<QString>& listTips);

    bool DelPics(unsigned uLsh);
    bool DelPics(QList<unsigned> listLsh);
    virtual bool DelAllPics();

    // Index of the picture in list order, -1 when it is not in the list.
    int IsContain(unsigned uLsh) const;
    int IsContain(const QString& strPath) const;
    unsigned GetFirstPicLsh() const;
    unsigned GetNextPicLsh(unsigned uLsh) const;
    unsigned GetPictureCount() const;
    // The label of a picture on the page on show, else null.
    CPicBaseLabel* GetPicLabel(unsigned uLsh) const;
    void GetPicLabels(QList<CPicBaseLabel*>* pListLabels) const;

    // False in every case: the result tells nothing; the page signal does.
    bool ShowPage(unsigned uPage);
    void RefreshCurrentPage();
    void SetShowMode(ShowMode enumMode);
    ShowMode GetShowMode() const;
    unsigned GetTotalPageNum() const;
    unsigned GetCurrentPage() const;

    void SetPicSelected(unsigned uLsh, bool bSelected);
    void SelectAllPics();
    void SetNoSelectedPic();
    // Serials of the selected labels on show, in label order; pModel, when
    // given, is emptied and receives this list's model item of each.
    QList<unsigned> GetSelectedPics(CPicDataModel* pModel = nullptr) const;
    int GetSelectedPicCount() const;

    void SetPictureSize(unsigned uWidth, unsigned uHeight);
    void SetPictureMargin(int iLeft, int iTop, int iRight, int iBottom);
    // A negative gap counts as 0.
    void SetPicLabelGap(int iGap);
    int GetPicLabelGap() const;
    void SetPicLabelBackground(const QPixmap& pixmap);
    void SetPicLabelBroadColor(const QColor& color);
    void SetBoxSelColor(const QColor& color);
    QColor GetBoxSelColor() const;

    // The model is the caller's; it must outlive the list or be unset first.
    void SetModel(CPicDataModel* pModel);

public Q_SLOTS:
    void OnShowPage(unsigned uPage);

Q_SIGNALS:
    void SignalLabelDbClicked(unsigned uLsh);
    void SignalLabelClicked();
    void SignalSetPageInfo(unsigned uiTotalPageNum, unsigned uiCurPage);
    void SignalPicSelectChanged();

protected:
    // For lists that extend the state: dd derives from the list's state and
    // is owned by the list from here on.
    CPicLabelList(CPicLabelListPrivate& dd, unsigned uWidth, unsigned uHeight, QWidget* pParent);

    virtual void DoPaging();
    void ClearAllPics();

    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mouseReleaseEvent(QMouseEvent* pEvent) override;
    void paintEvent(QPaintEvent* pEvent) override;

    const std::unique_ptr<CPicLabelListPrivate> d_ptr;
};

} // namespace OrvaGUIToolkit

#endif
