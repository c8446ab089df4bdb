#include "platform/ado/Recordset.h"

#include "platform/ado/Connection.h"
#include "platform/ado/TSqlToSqlite.h"
#include "platform/errors/ErrorEjecucion.h"

namespace ado {
namespace {

[[noreturn]] void NoActualizable() {
    throw ErrorEjecucion(errNoActualizable,
                         QStringLiteral("El Recordset actual no admite actualizaciones. Puede "
                                        "deberse a una limitación del proveedor o del tipo de "
                                        "bloqueo seleccionado."));
}

// A "]" inside the name is written twice, or it would close the brackets early.
QString Corchetes(QString nombre) {
    return QLatin1Char('[') + nombre.replace(QLatin1Char(']'), QLatin1String("]]")) +
           QLatin1Char(']');
}

// A date whatever form it came in, to the second as a read gives it back. A text must be
// a date; a null date object is no date.
// A date the program gives is kept to the second, as the server stores it; one read back
// keeps the milliseconds the engine gave, or the row would not be found again by it.
QDateTime FechaDe(const QVariant& valor, const QString& campo, bool leida) {
    if (valor.typeId() == QMetaType::QDate)
        return valor.toDate().isValid() ? QDateTime(valor.toDate(), QTime(0, 0)) : QDateTime();
    if (valor.typeId() == QMetaType::QDateTime)
        return leida ? valor.toDateTime()
                     : valor.toDateTime().addMSecs(-valor.toDateTime().time().msec());
    const QDateTime fecha = FechaDeTexto(valor.toString());
    if (!fecha.isValid())
        throw ErrorEjecucion(
            -2147217913, QStringLiteral("El valor '%1' no es una fecha válida para el campo %2.")
                             .arg(valor.toString(), campo));
    return fecha;
}

// A value as the column holds it: dates as date objects, which each provider writes in its
// engine's own form (the server's binding never goes through its date-format setting).
QVariant Almacenable(const QVariant& valor, const Columna& columna, bool leido = false) {
    if (valor.isNull() || !valor.isValid())
        return {};
    if (columna.tipo != adDBTimeStamp && columna.tipo != adDBDate)
        return valor;
    const QDateTime fecha = FechaDe(valor, columna.nombre, leido);
    if (!fecha.isValid())
        return {};
    return columna.tipo == adDBDate ? QVariant(fecha.date()) : QVariant(fecha);
}

// The value as a read from the database would give it back.
QVariant ComoSeLee(const QVariant& valor, const Columna& columna) {
    if (valor.isNull() || !valor.isValid())
        return {};
    switch (columna.tipo) {
    case adChar:
    case adWChar:
        return valor.toString().leftJustified(int(columna.tamano), ' ');
    case adBoolean:
        return valor.toBool();
    default:
        return valor;
    }
}

} // namespace

void Recordset::Open(const QString& source, Connection& conexion, int cursorType, int lockType,
                     int options) {
    Q_UNUSED(options);
    ExigirCerrado();
    Resultado resultado;
    std::unique_ptr<FilasEnCurso> filas;
    if (ubicacion_ == adUseServer && cursorType == adOpenForwardOnly && lockType == adLockReadOnly)
        filas = conexion.ConsultarPorFilas(source, resultado);
    else
        conexion.Consultar(source, resultado);
    conexion_ = &conexion;
    sql_ = source;
    tipoCursor_ = cursorType;
    tipoBloqueo_ = lockType;
    if (filas)
        AbrirPorFilas(std::move(filas));
    else
        Abrir(std::move(resultado));
}

// Opening reads the first row, so a query that fails at once fails here, as on the server.
void Recordset::AbrirPorFilas(std::unique_ptr<FilasEnCurso> filas) {
    QVector<QVariant> fila;
    const bool hayFila = conexion_->LeerFila(*filas, fila);
    Resultado resultado{filas->Columnas(), {}};
    if (hayFila)
        resultado.filas.append(std::move(fila));
    Abrir(std::move(resultado));
    porFilas_ = true;
    if (hayFila)
        filas_ = std::move(filas);
}

// The statement is let go as soon as nothing more can come of it: at the end, or when
// reading failed.
void Recordset::SiguienteFila() {
    movido_ = true;
    fila_ = 1;
    std::unique_ptr<FilasEnCurso> filas = std::move(filas_);
    if (conexion_->LeerFila(*filas, datos_.filas[0])) {
        fila_ = 0;
        filas_ = std::move(filas);
    }
}

void Recordset::LeerTextos(TextosDeFilas& textos, const TextoDeValor& comoTexto) {
    ExigirAbierto();
    Update();
    TextosDeFilas leidos;
    EscritorDeTextos escritor(leidos, comoTexto, FieldCount());
    for (int fila = std::max(fila_, 0); fila < datos_.filas.size(); ++fila)
        escritor.AgregarFila(datos_.filas[fila]);
    fila_ = datos_.filas.size();
    if (porFilas_) {
        movido_ = true;
        if (std::unique_ptr<FilasEnCurso> filas = std::move(filas_))
            conexion_->LeerTextos(*filas, leidos, comoTexto);
    }
    textos = std::move(leidos);
}

void Recordset::ExigirRetroceso() const {
    if (porFilas_)
        throw ErrorEjecucion(DB_E_CANTFETCHBACKWARDS_,
                             QStringLiteral("El conjunto de filas no admite recuperaciones hacia "
                                            "atrás."));
}

void Recordset::SetCursorLocation(int ubicacion) {
    ExigirCerrado();
    ubicacion_ = ubicacion;
}

void Recordset::Abrir(Resultado resultado) {
    datos_ = std::move(resultado);
    indicePorNombre_.clear();
    for (int i = datos_.columnas.size() - 1; i >= 0; --i)
        indicePorNombre_.insert(datos_.columnas[i].nombre.toLower(), i);
    abierto_ = true;
    editando_ = false;
    fila_ = 0;
    porFilas_ = false;
    movido_ = false;
    filas_.reset();
}

void Recordset::Close() {
    ExigirAbierto();
    abierto_ = false;
    editando_ = false;
    porFilas_ = false;
    filas_.reset();
    datos_ = Resultado();
    indicePorNombre_.clear();
    fila_ = -1;
}

void Recordset::ExigirAbierto() const {
    if (!abierto_)
        throw ErrorEjecucion(errObjetoCerrado,
                             QStringLiteral("No se permite realizar la operación si el objeto "
                                            "está cerrado."));
}

void Recordset::ExigirCerrado() const {
    if (abierto_)
        throw ErrorEjecucion(errObjetoAbierto,
                             QStringLiteral("No se permite realizar la operación si el objeto "
                                            "está abierto."));
}

void Recordset::ExigirFilaActual() const {
    ExigirAbierto();
    if (Bof() || Eof())
        throw ErrorEjecucion(errSinRegistroActual,
                             QStringLiteral("BOF o EOF es True, o el registro actual se eliminó. "
                                            "La operación solicitada requiere un registro "
                                            "actual."));
}

// A closed recordset has no position: answering false would send a reading loop on forever.
bool Recordset::Bof() const {
    ExigirAbierto();
    return datos_.filas.isEmpty() || fila_ < 0;
}

bool Recordset::Eof() const {
    ExigirAbierto();
    return datos_.filas.isEmpty() || fila_ >= datos_.filas.size();
}

long Recordset::RecordCount() const {
    ExigirAbierto();
    return porFilas_ ? -1 : datos_.filas.size();
}

void Recordset::MoveFirst() {
    ExigirAbierto();
    Update();
    if (datos_.filas.isEmpty())
        ExigirFilaActual();
    if (porFilas_ && movido_)
        throw ErrorEjecucion(DB_E_CANNOTRESTART_,
                             QStringLiteral("No se puede volver a iniciar la posición del "
                                            "conjunto de filas."));
    fila_ = 0;
}

void Recordset::MoveLast() {
    ExigirAbierto();
    ExigirRetroceso();
    Update();
    if (datos_.filas.isEmpty())
        ExigirFilaActual();
    fila_ = datos_.filas.size() - 1;
}

void Recordset::MoveNext() {
    ExigirAbierto();
    Update();
    if (Eof())
        ExigirFilaActual();
    if (porFilas_)
        SiguienteFila();
    else
        ++fila_;
}

void Recordset::MovePrevious() {
    ExigirAbierto();
    ExigirRetroceso();
    Update();
    if (Bof())
        ExigirFilaActual();
    --fila_;
}

int Recordset::IndiceCampo(const QString& nombre) const {
    return indicePorNombre_.value(nombre.toLower(), -1);
}

Field Recordset::Fields(int indice) {
    ColumnaEn(indice);
    return Field(this, indice);
}

Field Recordset::Fields(const QString& nombre) {
    ExigirAbierto();
    const int indice = IndiceCampo(nombre);
    if (indice < 0)
        throw ErrorEjecucion(errElementoNoEncontrado,
                             QStringLiteral("No se encontró el elemento '%1' en la colección que "
                                            "corresponde al nombre o el ordinal solicitado.")
                                 .arg(nombre));
    return Field(this, indice);
}

const Columna& Recordset::ColumnaEn(int indice) const {
    ExigirAbierto();
    if (indice < 0 || indice >= datos_.columnas.size())
        throw ErrorEjecucion(errElementoNoEncontrado,
                             QStringLiteral("No se encontró el elemento en la colección que "
                                            "corresponde al nombre o el ordinal solicitado."));
    return datos_.columnas[indice];
}

QVariant Recordset::ValorEn(int indice) const {
    ColumnaEn(indice);
    if (editando_)
        return ComoSeLee(edicion_[indice], datos_.columnas[indice]);
    ExigirFilaActual();
    return datos_.filas[fila_][indice];
}

void Recordset::CambiarValor(int indice, const QVariant& valor) {
    const Columna& columna = ColumnaEn(indice);
    if (tipoBloqueo_ == adLockReadOnly)
        NoActualizable();
    if (!editando_) {
        ExigirFilaActual();
        edicion_ = datos_.filas[fila_];
        cambiados_ = QVector<bool>(datos_.columnas.size(), false);
        editando_ = true;
        nueva_ = false;
    }
    edicion_[indice] = Almacenable(valor, columna);
    cambiados_[indice] = true;
}

void Recordset::AddNew() {
    ExigirAbierto();
    if (tipoBloqueo_ == adLockReadOnly)
        NoActualizable();
    Update();
    edicion_ = QVector<QVariant>(datos_.columnas.size());
    cambiados_ = QVector<bool>(datos_.columnas.size(), false);
    editando_ = true;
    nueva_ = true;
}

void Recordset::CancelUpdate() {
    editando_ = false;
}

void Recordset::Update() {
    if (!editando_)
        return;
    if (nueva_)
        GuardarNueva();
    else
        GuardarCambios();
    editando_ = false;
}

QString Recordset::TablaBase() const {
    QString tabla;
    for (const Columna& c : datos_.columnas) {
        if (c.tabla.isEmpty() || (!tabla.isEmpty() && c.tabla.compare(tabla, Qt::CaseInsensitive)))
            NoActualizable();
        tabla = c.tabla;
    }
    if (tabla.isEmpty() || !conexion_)
        NoActualizable();
    return tabla;
}

QString Recordset::NombreBase(int indice) const {
    const Columna& c = datos_.columnas[indice];
    return c.columnaBase.isEmpty() ? c.nombre : c.columnaBase;
}

void Recordset::GuardarNueva() {
    const QString tabla = TablaBase();
    QStringList columnas, marcas;
    QVariantList valores;
    for (int i = 0; i < edicion_.size(); ++i)
        if (cambiados_[i]) {
            columnas.append(Corchetes(NombreBase(i)));
            marcas.append(QStringLiteral("?"));
            valores.append(edicion_[i]);
        }
    const QString sql = columnas.isEmpty()
                            ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Corchetes(tabla))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(Corchetes(tabla), columnas.join(", "), marcas.join(", "));
    conexion_->EjecutarNativo(sql, valores, nullptr);
    QVector<QVariant> fila(edicion_.size());
    for (int i = 0; i < fila.size(); ++i)
        fila[i] = ComoSeLee(edicion_[i], datos_.columnas[i]);
    datos_.filas.append(fila);
    fila_ = datos_.filas.size() - 1;
}

// The row is found again by its primary key when the recordset holds it, otherwise by all
// the values it was read with.
QString Recordset::CondicionDeFila(QVariantList& valores) const {
    QVector<int> clave;
    for (const QString& nombre : conexion_->ClavePrimaria(TablaBase())) {
        int encontrada = -1;
        for (int i = 0; i < datos_.columnas.size() && encontrada < 0; ++i)
            if (NombreBase(i).compare(nombre, Qt::CaseInsensitive) == 0)
                encontrada = i;
        if (encontrada < 0) {
            clave.clear();
            break;
        }
        clave.append(encontrada);
    }
    if (clave.isEmpty())
        for (int i = 0; i < datos_.columnas.size(); ++i)
            clave.append(i);
    QStringList partes;
    for (int i : clave) {
        const QVariant original = Almacenable(datos_.filas[fila_][i], datos_.columnas[i], true);
        partes.append(Corchetes(NombreBase(i)) +
                      (original.isNull() ? QStringLiteral(" IS NULL") : QStringLiteral(" = ?")));
        if (!original.isNull())
            valores.append(original);
    }
    return partes.join(QStringLiteral(" AND "));
}

void Recordset::GuardarCambios() {
    QStringList asignaciones;
    QVariantList valores;
    for (int i = 0; i < edicion_.size(); ++i)
        if (cambiados_[i]) {
            asignaciones.append(Corchetes(NombreBase(i)) + QStringLiteral(" = ?"));
            valores.append(edicion_[i]);
        }
    if (asignaciones.isEmpty())
        return;
    const QString condicion = CondicionDeFila(valores);
    // The provider undoes an update that did not change exactly one row; an update the
    // engine refused reaches the caller as the engine's own error.
    const long afectados = conexion_->ActualizarUnaFila(
        QStringLiteral("UPDATE %1 SET %2 WHERE %3")
            .arg(Corchetes(TablaBase()), asignaciones.join(", "), condicion),
        valores);
    if (afectados != 1)
        throw ErrorEjecucion(-2147217864,
                             QStringLiteral("No se encuentra la fila para actualizarla: algunos "
                                            "valores cambiaron desde que se leyó."));
    for (int i = 0; i < edicion_.size(); ++i)
        datos_.filas[fila_][i] = ComoSeLee(edicion_[i], datos_.columnas[i]);
}

} // namespace ado
