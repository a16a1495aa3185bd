#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class Tparametres_mesure;
class Traducteur;

// The control panel: one track bar per setting of a run. Every move is written
// into the parameters at once, then the panel is redrawn from them, so that the
// bars always show the stored values with their corrections. The panel keeps
// no state of its own beyond the object it edits and the window it repaints.
//
// A plain top-level window, not a dialog: Escape, pressed to stop a run, must
// not close it. Closing it only hides it.
class TForm2 : public QWidget {
    Q_OBJECT

public:
    explicit TForm2(QWidget* parent = nullptr);

    // The parameters the panel edits, kept by reference.
    void AttacheParametres(Tparametres_mesure& parametres);

    // The window repainted (synchronously) after a redraw that found the
    // parameters changed since the previous one. Optional.
    void attache_fenetre(QWidget* principale);

    // Redraws every control from the parameters; the bars' own change
    // notifications write nothing meanwhile.
    void RafraichitPanneau();

    void ChangeNbAlleleExecute();
    void ChangeNbGenExecute();
    void ChangeEfMaxExecute();
    void ChangeEfMinExecute();
    void ChangeFeconditeExecute();
    void ChangeFreqAl1Execute();
    void ChangeFreqAl2Execute();
    void ChangeFreqAl3Execute();
    void ChangeFreqAl4Execute();
    void ChangeLet1Execute();
    void ChangeLet2Execute();
    void ChangeLet3Execute();
    void ChangeLet4Execute();
    void MinPlusClick();
    void MinMoinsClick();
    void InitialisationExecute();
    // The next run's options: populations, the allele drawn for each, seed.
    void ChangeReplicatsExecute();
    void ChangeAlleleSuiviExecute();
    void ChangeGraineExecute();

    QSlider* Bar_nb_all;
    QLabel* LabBarNbAll;
    QLabel* LabNbGen;
    QSlider* Bar_nb_gen;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* LabNbGenMax;
    QLabel* LabNbGenMin;
    QLabel* LabEfMax;
    QLabel* LabEfMaxMax;
    QLabel* LabEfMaxMin;
    QSlider* Bar_Ef_Max;
    QLabel* LabEfMin;
    QLabel* LabEfMinMax;
    QLabel* LabEfMinMin;
    QSlider* Bar_Ef_Min;
    QLabel* LabFec;
    QLabel* LabFecMax;
    QLabel* LabFecMin;
    QSlider* Bar_Fec;
    QSlider* BarFreqAl1;
    QLabel* LabFreq;
    QLabel* LabFreqMin;
    QLabel* LabFreqMax;
    QLabel* LabLetal;
    QLabel* LabLetMin;
    QLabel* LabLetMax;
    QSlider* BarLetAl1;
    QSlider* BarFreqAl2;
    QSlider* BarLetAl2;
    QSlider* BarFreqAl3;
    QSlider* BarLetAl3;
    QSlider* BarLetAl4;
    QSlider* BarFreqAl4;
    QLabel* Labnum1;
    QLabel* Labnum2;
    QLabel* Labnum3;
    QLabel* Labnum4;
    QPushButton* MinPlus;
    QPushButton* MinMoins;
    QLabel* LabReplicats;
    QSpinBox* SpinReplicats;
    QLabel* LabAlleleSuivi;
    QComboBox* ComboAlleleSuivi;
    QLabel* LabGraine;
    QLineEdit* EditGraine;
    QLabel* LabGraineErreur; // why a typed seed was refused

protected:
    void showEvent(QShowEvent* evenement) override;

private:
    void cree_colonnes_de_gauche();
    void cree_colonnes_alleles();
    void cree_rangee_mesure();
    void fixe_ordre_tabulation();
    void connecte_barres();

    void redessine_titres_globaux(const Traducteur& t);
    void redessine_generations(const Traducteur& t);
    void redessine_effectifs(const Traducteur& t);
    void redessine_fecondite(const Traducteur& t);
    void redessine_titres_alleles(const Traducteur& t);
    void redessine_rangees_alleles();
    void redessine_mesure(const Traducteur& t);

    // True when a handler may write: parameters attached and no redraw under way.
    bool peut_ecrire() const;
    void change_frequence(unsigned allele, const QSlider* barre);
    void change_letalite(unsigned allele, const QSlider* barre);

    Tparametres_mesure* parametres_ = nullptr;
    QPointer<QWidget> principale_;
};
