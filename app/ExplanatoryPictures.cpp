// The explanatory picture that follows the mouse over the editors' choices:
// a frame at the right of the ladder, level with the item under the mouse.
#include "Controls.h"
#include "EditorHooks.h"
#include "LadderProgrammeren.h"
#include "Picture.h"
#include "SharedState.h"
#include "Windows.h"

namespace tamberlo {

namespace {

struct Picture {
    QString file;  // in the picture folder
    int top;       // of the frame, in pixels
};

// The picture of a (group, item) pair; nullopt for a pair the table lacks.
std::optional<Picture> pictureOf(int group, int item) {
    switch (group * 10 + item) {
    case 10: return Picture{"K8055.bmp", 194};
    case 11: return Picture{"K8055.bmp", 218};
    case 12: return Picture{"Parallel PCB.bmp", 242};
    case 13: {
        const int type = Kelvanor1().GetModuleType(0);
        return Picture{type == 1 ? "Kelvanor Atlas.bmp" : type == 2 ? "Kelvanor Basil.bmp" : "Kelvanor Ember.bmp", 266};
    }
    case 14: {
        const QString& board = shared.ICP12Type;
        return Picture{board == QLatin1String("AT")   ? "AdaFruit RGB.bmp"
                       : board == QLatin1String("TM") ? "TM1638.bmp"
                                                      : "Arduino Nano.bmp",
                       290};
    }
    case 21: return Picture{"Wekker.bmp", 128};
    case 22: return Picture{"Kookwekker.bmp", 336};
    case 31: return Picture{"Geheugen.bmp", 128};
    case 32: return Picture{"Functietoetsen.bmp", 256};
    case 33: return Picture{"Variabele.bmp", 384};
    case 41: return Picture{"Preset Timer.bmp", 127};
    case 42: return Picture{"Set Reset Timer.bmp", 399};
    case 51: return Picture{"Set Reset Timer.bmp", 128};
    case 52: return Picture{"Variabele.bmp", 262};
    case 61: return Picture{"Geluid.bmp", 127};
    default: return std::nullopt;
    }
}

}  // namespace

void LadderProgrammeren::BuildExplanatoryPicture() {
    Picture_Holder_Show_Interface = new QWidget(this);
    Picture_Holder_Show_Interface->setObjectName("Picture_Holder_Show_Interface");
    Picture_Holder_Show_Interface->setAutoFillBackground(true);
    Picture_Holder_Show_Interface->setStyleSheet(
        QStringLiteral("#Picture_Holder_Show_Interface { background: #f0f0f0; border: 1px solid #808080; }"));
    Picture_Holder_Show_Interface->setAttribute(Qt::WA_StyledBackground);
    Image_Show_Interface = new QLabel(Picture_Holder_Show_Interface);
    Image_Show_Interface->setObjectName("Image_Show_Interface");
    Image_Show_Interface->move(10, 10);
    Picture_Holder_Show_Interface->hide();

    // The editors show and hide the picture through these hooks.
    explanatoryPicture.show = [](int group, int item) {
        if (mainWindowExists()) mainWindow().Show_Interface(group, item);
    };
    explanatoryPicture.hide = [] {
        if (mainWindowExists()) mainWindow().Picture_Holder_Show_Interface->hide();
    };
}

void LadderProgrammeren::Show_Interface(int group, int item) {
    if (const std::optional<Picture> p = pictureOf(group, item)) {
        // Read anew on every call; a missing or unreadable file shows nothing.
        const QPixmap picture = LoadPicture(p->file);
        if (picture.isNull()) {
            Picture_Holder_Show_Interface->hide();
            return;
        }
        Image_Show_Interface->setPixmap(picture);
        Image_Show_Interface->setProperty("vbPicture", p->file);
        Image_Show_Interface->resize(picture.size());
        Picture_Holder_Show_Interface->move(Picture_Holder_Show_Interface->x(), p->top);
    }
    // The frame ends at the ladder's scroll bar: reaching further right it would
    // lie over the open editor's leftmost controls and take their clicks.
    const QSize size = Image_Show_Interface->size();
    const int right = VScrollProgrammeerVenster->x() + VScrollProgrammeerVenster->width();
    const int width = size.width() + 20;
    Picture_Holder_Show_Interface->setGeometry(right - width, Picture_Holder_Show_Interface->y(), width, size.height() + 20);
    Picture_Holder_Show_Interface->raise();
    Picture_Holder_Show_Interface->show();
}

}  // namespace tamberlo
