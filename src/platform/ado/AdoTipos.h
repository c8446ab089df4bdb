#pragma once

// Codes of the data-access layer that callers compare against, with their customary values.
namespace ado {

enum TipoDato {
    adEmpty = 0,
    adSmallInt = 2,
    adInteger = 3,
    adSingle = 4,
    adDouble = 5,
    adCurrency = 6,
    adDate = 7,
    adBoolean = 11,
    adVariant = 12,
    adDecimal = 14,
    adTinyInt = 16,
    adUnsignedTinyInt = 17,
    adBigInt = 20,
    adNumeric = 131,
    adDBDate = 133,
    adDBTime = 134,
    adDBTimeStamp = 135,
    adChar = 129,
    adWChar = 130,
    adVarChar = 200,
    adLongVarChar = 201,
    adVarWChar = 202,
    adLongVarWChar = 203,
};

enum EstadoObjeto { adStateClosed = 0, adStateOpen = 1 };
enum TipoCursor { adOpenForwardOnly = 0, adOpenKeyset = 1, adOpenDynamic = 2, adOpenStatic = 3 };
enum TipoBloqueo {
    adLockReadOnly = 1,
    adLockPessimistic = 2,
    adLockOptimistic = 3,
    adLockBatchOptimistic = 4
};
enum UbicacionCursor { adUseServer = 2, adUseClient = 3 };
enum Esquema { adSchemaColumns = 4, adSchemaTables = 20 };

// Run-time error numbers the callers test for.
enum NumeroError : long {
    errObjetoAbierto = 3705,     // operation not allowed while the object is open
    errObjetoCerrado = 3704,     // operation not allowed while the object is closed
    errSinRegistroActual = 3021, // BOF or EOF is True
    errElementoNoEncontrado = 3265,
    errArgumentos = 3001,
    errNoActualizable = 3251,
};

// Provider error codes (HRESULTs as the signed longs the callers see).
enum CodigoProveedor : long {
    E_FAIL_ = -2147467259,                  // 0x80004005
    DB_E_ERRORSINCOMMAND_ = -2147217900,    // 0x80040E14
    DB_E_NOTABLE_ = -2147217865,            // 0x80040E37
    DB_E_DATAOVERFLOW_ = -2147217833,       // 0x80040E57
    DB_E_CANTCONVERTVALUE_ = -2147217913,   // 0x80040E07
    DB_E_INTEGRITYVIOLATION_ = -2147217873, // 0x80040E2F
    DB_E_CANTFETCHBACKWARDS_ = -2147217884, // 0x80040E24
    DB_E_CANNOTRESTART_ = -2147217896,      // 0x80040E18
};

} // namespace ado
