#pragma once

#include <QString>
#include <initializer_list>

// The query of the voucher pick list for a voucher type or group key. Each group reads its
// own view with its own conditions; the statements are plain text, built here apart from the
// window so that every shape can be checked on its own.
namespace ConsultasComprobantes {

// A group key ("RM/PENDIENTES") turned into the type code it lists and whether only the
// pending vouchers of that code are wanted.
struct Grupo {
    QString TC;
    bool SoloPendientes = false;
};

// Group keys are compared without regard to case; any other text (a plain type code) comes
// back unchanged and not pending.
Grupo ResolverGrupo(const QString& tc);

// The two configuration switches the pending delivery notes depend on.
struct Interruptores {
    bool UsaRemitoContado = false;
    bool EntregaParcialRemito = false;
};

struct Consulta {
    QString Sentencia;
    // The caller's filter as the query used it: purchase orders and pro-forma invoices take
    // it without the keyword WHERE; the others, unchanged.
    QString Filtro;
};

// The statement for the type code `tc` (after ResolverGrupo). `filtro` is an SQL condition
// on the view the group reads, appended unchanged; it counts as present when it holds more
// than blanks.
Consulta ArmarConsulta(const QString& tc, bool soloPendientes, const QString& filtro,
                       const Interruptores& interruptores);

// The filter without the keyword WHERE: only whole words outside literals and bracketed
// names go, so a column such as SOMEWHERE_ID or a value 'where' stays as it is.
QString QuitarWhere(const QString& filtro);

// Whether the type code is one of the codes, compared without regard to case.
bool Es(const QString& tc, std::initializer_list<const char*> codigos);

} // namespace ConsultasComprobantes
