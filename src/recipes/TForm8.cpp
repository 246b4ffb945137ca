#include "TForm8.h"

#include "PictureData.h"
#include "data/TDataModule1.h"
#include "toolkit/widgets/DBImage.h"

#include <QVBoxLayout>

TForm8::TForm8(QWidget *owner, TDataModule1 &dataModule)
    : VaneDialog(QStringLiteral("Form8"), QStringLiteral("Meal Picture viewer"),
                 QStringLiteral("  View picture"), owner)
    , m_picture(new DBImage(dataModule.MEALS, QStringLiteral("Meal_Picture"), picture::decode,
                            DBImage::Fit::OwnSize, this)) {
    m_picture->setObjectName(QStringLiteral("EDBImage2"));
    m_picture->setAccessibleName(QStringLiteral("Recipe picture"));
    body()->setContentsMargins(0, 0, 0, 0);
    body()->addWidget(m_picture, 1);
    setModal(false);
    setSizeGripEnabled(true);
    resize(480, 400);
}
