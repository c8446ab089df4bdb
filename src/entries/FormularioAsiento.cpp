#include "entries/FormularioAsiento.h"

#include "audit/VentanasVecinas.h"
#include "entries/FrmAsientoNDPRoNCPE.h"

#include <QCheckBox>
#include <QGroupBox>

namespace {

// The form's shared instance as the modify link sees it.
class AsientoDiferencia final : public FormularioAsientoDiferencia {
public:
    void CargarParaModificar(const QString& TComp, const QString& IdCpte) override {
        Form().CargarParaModificar(TComp, IdCpte);
    }
    void SetTope(const Currency& Tope) override { Form().Tope = Tope; }
    void SetTc_O(const QString& Tc_O) override { Form().Tc_O = Tc_O; }
    void SetCpte_O(const QString& Cpte_O) override { Form().Cpte_O = Cpte_O; }
    void SetAstNumero(const QString& AstNumero) override { Form().AstNumero = AstNumero; }
    void SetHeight(int twips) override { Form().SetHeight(twips); }
    void SetMotivoVisible(bool Visible) override { Form().frmMotivo->setVisible(Visible); }
    // An entry that could not be loaded whole is not offered: the user was told why, and
    // saving it would replace the stored entry with part of it.
    void ShowModal() override {
        if (Form().CargaCompleta())
            Form().Show(true);
    }
    bool Imprimir() const override { return Form().chkImprimir->isChecked(); }
    QString TC() const override { return Form().TC; }
    QString Suc() const override { return Form().Suc; }
    QString Nro() const override { return Form().Nro; }
    QString Letra() const override { return Form().Letra; }
    QString Asiento() const override { return Form().Asiento; }
    QString Mes() const override { return Form().Mes; }
    QString Periodo() const override { return Form().Periodo; }
    QString SQLTemp() const override { return Form().SQLTemp; }

private:
    static FrmAsientoNDPRoNCPE& Form() { return Instancia<FrmAsientoNDPRoNCPE>(); }
};

} // namespace

void InstalarFormularioAsiento() {
    static AsientoDiferencia formulario;
    VentanasVecinas& v = VentanasVecinas::Actuales();
    v.AsientoDiferencia = [] { return static_cast<FormularioAsientoDiferencia*>(&formulario); };
    v.LiberarAsientoDiferencia = [] { Liberar<FrmAsientoNDPRoNCPE>(); };
}
