#include "forms/fenetre_texte.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace kolmar {

FenetreTexte::FenetreTexte(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FenetreTexte"));
    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setReadOnly(true);
    Solution = new QPushButton(this);
    Solution->setObjectName(QStringLiteral("Solution"));
    Solution->hide();
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(Memo);
    l->addWidget(Solution);
    resize(480, 360);
    connect(Solution, &QPushButton::clicked, this, [this] {
        Memo->appendPlainText(QString());
        Memo->appendPlainText(solution_.trimmed());
        Solution->hide();
    });
}

void FenetreTexte::montrer(const QString& titre, const QString& t, const QString& solution, const QString& voir) {
    setWindowTitle(titre);
    Memo->setPlainText(t);
    solution_ = solution;
    Solution->setText(voir);
    Solution->setVisible(!solution.isEmpty());
    if (!place_) placer();
    show();
    raise();
}

QString FenetreTexte::texte() const {
    return Memo->toPlainText();
}

void FenetreTexte::placer() {
    const QWidget* w = parentWidget() ? parentWidget()->window() : nullptr;
    if (!w || !w->isVisible()) return;
    place_ = true;
    const QRect f = w->frameGeometry();
    const QScreen* ecran = w->screen();
    const QRect dispo = ecran ? ecran->availableGeometry() : QRect(f.topLeft(), f.size() * 2);
    // Right of the main window, else left of it, else over the board below
    // its menus, kept on the screen.
    QPoint p(f.right() + 8, f.top());
    if (p.x() + width() > dispo.right()) p.setX(f.left() - 8 - frameGeometry().width());
    if (p.x() < dispo.left()) p = QPoint(f.right() - frameGeometry().width(), f.top() + f.height() / 3);
    p.setX(std::clamp(p.x(), dispo.left(), std::max(dispo.left(), dispo.right() - width())));
    p.setY(std::clamp(p.y(), dispo.top(), std::max(dispo.top(), dispo.bottom() - height())));
    move(p);
}

}  // namespace kolmar
