#pragma once

#include "platform/ado/Recordset.h"
#include "platform/forms/Formulario.h"

#include <QString>
#include <functional>
#include <memory>

class QPushButton;
namespace controles {
class ImageList;
class ListItem;
class ListView;
} // namespace controles

// "Consulta de Comprobantes": the vouchers of one type, or of a group such as the pending
// delivery notes, to pick one from (several purchase orders for "OC"). The caller sets TC
// and Filtro, shows the window modally and reads NroComprobante, IdComplemento and
// Proveedor once it has closed.
class FrmConsComprobantes : public Formulario {
    Q_OBJECT
public:
    FrmConsComprobantes();
    ~FrmConsComprobantes() override;

    // An SQL condition on the view the group reads; may be empty.
    QString Filtro;
    // The type code or group key ("RM/PENDIENTES"); the load leaves the type code in it.
    QString TC;
    // The voucher chosen; for "OC" the ticked orders joined with ",". Empty after a cancel.
    QString NroComprobante;
    QString IdComplemento;
    // The supplier account of the purchase voucher chosen.
    QString Proveedor;

    // Replaces the columns with those of the group of TC.
    void Encolumnar();
    // The image of a key (its tag, letter case and blanks aside), else that of "Generico".
    int ObtieneIndiceImagen(const QString& TC) const;

    void CmdAceptar_Click();
    void CmdCancelar_Click();

    controles::ListView* ListView1;
    QPushButton* CmdAceptar;
    QPushButton* CmdCancelar;
    controles::ImageList& ImageList1() { return *ImageList1_; }

protected:
    void Form_Load() override;
    void Form_Unload(bool& cancel) override;

private:
    void CrearControles();
    void CrearImagenes();
    void LlenarLista();
    bool LlenarFila();
    int ImagenFila(bool& omitir);
    void PonerCelda(controles::ListItem& fila, const QString& columna,
                    const std::function<QString()>& valor);
    QString OrdenesMarcadas(const controles::ListItem& seleccionada) const;
    void ListView1_ColumnClick(int columna);
    void ListView1_KeyDown(int& KeyCode, int Shift);

    std::unique_ptr<controles::ImageList> ImageList1_;
    ado::Recordset rs_;
    bool soloPendientes_ = false;
    bool usaReferencia_ = false;
    // While the rows load the window answers no choice: the load still reads the list.
    bool cargando_ = false;
};
