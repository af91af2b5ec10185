// The in-app text window: a lesson's companion text, shown beside the main
// window. A lesson that asks the player to find the move keeps its
// solution back until he asks for it.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace kolmar {

class FenetreTexte : public QWidget {
    Q_OBJECT
   public:
    explicit FenetreTexte(QWidget* parent = nullptr);
    // Shows t under the title and brings the window up; `solution`, when
    // not empty, is added once the button captioned `voir` is pressed.
    void montrer(const QString& titre, const QString& t, const QString& solution = QString(),
                 const QString& voir = QString());
    QString texte() const;

   private:
    // Beside the window that opened it, on the screen, never over its menus.
    void placer();

    QPlainTextEdit* Memo = nullptr;
    QPushButton* Solution = nullptr;
    QString solution_;
    bool place_ = false;
};

}  // namespace kolmar
