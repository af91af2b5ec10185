// The analysis window "Analyse": the analysed lines, the game's graph and
// the buttons that step, end, save and print the analysis. It only shows
// what the main window hands it and reports the user's clicks.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;
class QPrinter;

namespace kolmar {

// The score of every analysed position against the half-move number:
// men from white's side within -5..5, marked moves in red, the current
// position ringed. A click on a point reports its half-move.
class CourbeAnalyse : public QWidget {
    Q_OBJECT
   public:
    explicit CourbeAnalyse(QWidget* parent = nullptr);
    // valeurs[w]: NaN where nothing was analysed; fautes[w]: the move
    // played from w was marked; courant: the half-move shown (-1 none).
    void poser(const std::vector<double>& valeurs, const std::vector<bool>& fautes, int courant);
    // The centre of the point of half-move w in widget coordinates.
    QPointF point(int w) const;
    int courant() const { return courant_; }

   signals:
    void point_clique(int w);

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

   private:
    QRectF zone() const;
    std::vector<double> valeurs_;
    std::vector<bool> fautes_;
    int courant_ = -1;
};

class TForm4 : public QWidget {
    Q_OBJECT
   public:
    explicit TForm4(QWidget* parent = nullptr);

    void lignes(const std::vector<std::string>& longues);
    CourbeAnalyse* courbe() const { return Courbe; }
    // The white and black names printed as the heading.
    void noms(const QString& blanc, const QString& noir);
    // Prints the first nb lines of the list with the heading on printer.
    void imprimer(QPrinter& printer, int nb) const;
    void appliquer_legendes(int langue);

   signals:
    void suivant();
    void fin();
    void editer();
    void imprimer_demande();
    void ligne(int i);

   protected:
    void closeEvent(QCloseEvent* e) override;

   private:
    QListWidget* ListBox1 = nullptr;
    CourbeAnalyse* Courbe = nullptr;
    QPushButton* BitBtn1 = nullptr;  // "Suivant"
    QPushButton* BitBtn4 = nullptr;  // "Fin analyse"
    QPushButton* BitBtn2 = nullptr;  // "Editer analyse"
    QPushButton* BitBtn3 = nullptr;  // "Imprimer analyse"
    QString blanc_, noir_;
};

}  // namespace kolmar
