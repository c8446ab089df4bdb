-- ModGlobal.Cfg: configuration value by key (table name as the session settings set it)
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'PERIODO'

-- ModGlobal.Cfg: configuration value read before the session settings named the table (lookup controller start-up)
SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = 'MostrarStockenConsultas'

-- ModGlobal.Cfg: key [FECHA DESDE], whole statement upper-cased (brackets inside the literal)
SELECT VALOR, VALORAUX FROM TA_CONFIGURACION WHERE CLAVE = '[FECHA DESDE]'

-- ModGlobal.GrabaDfg: row of a configuration key opened for add or update (line account of the entry form)
SELECT * FROM ta_configuracion WHERE CLAVE = 'NCPE_2'

-- ModGlobal.CargarConfiguracion: the logged-in user's row
Select * from ta_usuarios where Nombre = 'mgarcia'

-- DB_Dll.OpenServerADODB: administrator flag of the connected user (DatosTabla, trimmed key)
SELECT TOP 1 * FROM ta_usuarios WHERE LTRIM(RTRIM(nombre)) ='mgarcia' 

-- ModGlobal.CerrarControlAcceso: exit time of the open access record
UPDATE CONTROL_ACCESO  SET EGRESO = '17/03/25 18:05' WHERE EGRESO IS NULL AND  ID = 0

-- DB_Dll.AddField: add a column with a default constraint
ALTER TABLE dbo.MV_ASIENTOS ADD ESTADO int Null  CONSTRAINT DF_MV_ASIENTOS_ESTADO DEFAULT (0)

-- DB_Dll.BuscaMaximo: largest value of a column under a condition
SELECT MAX(NUMERO) AS MAYOR FROM MV_ASIENTOS WHERE TC = 'NCPE'

-- DB_Dll.BuscaMinimo: smallest value of a column
SELECT MIN(FECHA) AS MENOR FROM MV_ASIENTOS

-- ModGlobal.ObtenerPeriodo: fiscal period that holds a date
Select * from MV_EJERCICIOS where [FECHA DESDE] <= '14/03/2025' and [FECHA HASTA] >= '14/03/2025'

-- ModGlobal.BuscarCuenta: account by its code (two blanks after =)
SELECT * FROM MA_CUENTAS WHERE Codigo =  '2.1.01.001'

-- ModGlobal.BuscarCuenta: account by its alternative code
SELECT * FROM MA_CUENTAS WHERE CodigoOpcional =  '210101001'

-- ModGlobal.CuentaHabilitada: group of the user (DatosTabla)
SELECT TOP 1 * FROM TA_USUARIOS WHERE LTRIM(RTRIM(NOMBRE)) ='mgarcia' 

-- ModGlobal.CuentaHabilitada: account assigned to the user's group (ExisteEnTabla with condition)
SELECT TOP 1 * FROM MA_CUENTAS_USUARIOS WHERE  CUENTA = '5.1.03.002' AND GRUPOUSER = 'COMPRAS'

-- ModGlobal.CuentaHabilitada: account assigned to any group (ExisteEnTabla, two blanks before *)
SELECT TOP 1  * FROM MA_CUENTAS_USUARIOS WHERE LTRIM(RTRIM(CUENTA)) ='5.1.03.002'

-- frmAuditoria.AbrirTabla: one-row probe of the journal table (updatable recordset)
SELECT top 1 * FROM Mv_asientos

-- frmAuditoria.AsignarDatos: date range of the current period (period as a quoted literal)
select [FECHA DESDE] as FECHADESDE, [FECHA HASTA] as FECHAHASTA from MV_EJERCICIOS where periodo='2025'

-- Lib_ClsCons3.ConsultaSearch: row limit of the lookups
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'TopConsArt'

-- Lib_ClsCons3.ConsultaSearch: column probe of a table without mask (account lookup of the filter fields)
select top 1 * from MA_CUENTAS

-- Lib_FrmCons3.Form_Load: account lookup of frmAuditoria.ConsultarCampo, automatic statement (leading blank added by the window)
 SELECT TOP 1000 USACCOSTOS,CC_DIST,TIPOVISTA,MEDIODEPAGO,TITULO,CODIGOOPCIONAL,DESCRIPCION,CODIGO FROM MA_CUENTAS ORDER BY DESCRIPCION

-- clsAuditoria_HTM.writeHTML: list of pending differences with every filter set
Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos  where mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0) AND mv_asientos.FECHA>='01/01/2025' AND mv_asientos.FECHA<='31/12/2025' AND ((mv_asientos.cabCUENTA>='2.1.01.001' AND mv_asientos.cabCUENTA<='2.1.01.999') OR (mv_asientos.CUENTA>='2.1.01.001' AND mv_asientos.CUENTA<='2.1.01.999')) AND mv_asientos.cabnombre like 'FERRETERIA%' AND  mv_asientos.tc_origen='FCC' AND  substring(mv_asientos.cpte_origen,1,4)='0003' AND  substring(mv_asientos.cpte_origen,5,8)='00004567' AND  substring(mv_asientos.cpte_origen,13,1)='A' AND ( mv_asientos.estado=0 OR  mv_asientos.estado=1 OR  mv_asientos.estado=2) order by FECHA desc

-- clsAuditoria_HTM.writeHTML: list of pending differences, period dates only, no state selected (all five)
Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos  where mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0) AND mv_asientos.FECHA>='01/01/2025' AND mv_asientos.FECHA<='31/12/2025' AND ( mv_asientos.estado=0 OR  mv_asientos.estado=1 OR  mv_asientos.estado=2 OR  mv_asientos.estado=3 OR  mv_asientos.estado=4) order by FECHA desc

-- clsAuditoria_HTM.writeHTML: list of pending differences, two-digit-year dates as typed, lower account bound only, exact name, one state
Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos  where mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0) AND mv_asientos.FECHA>='01/03/25' AND mv_asientos.FECHA<='31/03/25' AND ((mv_asientos.cabCUENTA>='2.1.01.001' AND mv_asientos.cabCUENTA<='999999999999999') OR (mv_asientos.CUENTA>='2.1.01.001' AND mv_asientos.CUENTA<='999999999999999')) AND mv_asientos.cabnombre = 'FERRETERIA DEL SUR SRL' AND ( mv_asientos.estado=3) order by FECHA desc

-- clsAuditoria_HTM.writeHTML: list of pending differences, no filter at all (dates cleared), states 0 and 1
Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from mv_Asientos  where mv_asientos.tc='NCPE' AND mv_asientos.SECUENCIA=1 and (conciliado = 0) AND ( mv_asientos.estado=0 OR  mv_asientos.estado=1) order by FECHA desc

-- clsAuditoria_HTM.writeHTML: list of pending differences as a non-administrator session sends it (per-user synonym)
Select fecha,tc_origen,Cpte_Origen,cabcuenta,cabnombre, importe, tc,sucursal,numero,letra, ISNULL(Estado,0)AS ESTADO from SS_MV_ASIENTOS  where SS_MV_ASIENTOS.tc='NCPE' AND SS_MV_ASIENTOS.SECUENCIA=1 and (conciliado = 0) AND SS_MV_ASIENTOS.FECHA>='01/01/2025' AND SS_MV_ASIENTOS.FECHA<='31/12/2025' AND SS_MV_ASIENTOS.cabnombre like 'GAR%' AND ( SS_MV_ASIENTOS.estado=0 OR  SS_MV_ASIENTOS.estado=1 OR  SS_MV_ASIENTOS.estado=2 OR  SS_MV_ASIENTOS.estado=3 OR  SS_MV_ASIENTOS.estado=4) order by FECHA desc

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, entry exists for a delivery-note origin
SELECT TOP 1 * FROM MV_ASIENTOS WHERE TC_ORIGEN='RM' AND CPTE_ORIGEN ='000100000345R' and CABCUENTA = '2.1.01.001'

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, entry exists for another origin type
SELECT TOP 1 * FROM MV_ASIENTOS WHERE TC='FCC' AND SUCURSAL ='0003' AND NUMERO = '00004567' AND LETRA ='A' and CABCUENTA = '2.1.01.001'

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, entry exists without origin type
SELECT TOP 1 * FROM MV_ASIENTOS WHERE TC='NCPE' AND SUCURSAL ='0001' AND NUMERO = '00000123' AND LETRA ='X' and (CABCUENTA = '2.1.01.001' or Cuenta = '2.1.01.001')

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, rewrite of a modified entry (origin given, state 3 with motive) -- (lote)
BEGIN TRANSACTION
DELETE MV_ASIENTOS WHERE TC ='NCPE' AND SUCURSAL = '0001' AND NUMERO ='00000123' AND LETRA ='X'
DELETE MV_APLICACION WHERE TC ='NCPE' AND SUCURSAL = '0001' AND NUMERO ='00000123' AND LETRA ='X' AND TCO_ORIGEN = 'FCC' AND SUCURSAL_ORIGEN='0003' AND NUMERO_ORIGEN='00004567' AND LETRA_ORIGEN='A'
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,CabCuenta,CabNombre,Estado,LIVA_ALICIVA,IdMotivo) VALUES ('14/03/2025','14/03/2025','   1',3,44,'2.1.01.001',1,254.1,'D',254.1,'2025','NCPE','0001','00000123','X','COMP','DIFERENCIA DE PRECIO FCC 0003-00004567 OHIGGINS','   1',1,'   1','FCC','000300004567A','mgarcia','17/03/2025 10:42:17','2.1.01.001','FERRETERIA DEL SUR SRL',3,0,'0003')
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,Estado,LIVA_ALICIVA,IdMotivo) VALUES ('14/03/2025','14/03/2025','   1',3,44,'5.1.03.002',2,254.1,'H',210,'2025','NCPE','0001','00000123','X','COMP','DIFERENCIA DE PRECIO FCC 0003-00004567 OHIGGINS','   1',1,'   1','FCC','000300004567A','mgarcia','17/03/2025 10:42:17',3,0,'0003')
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,NroCAI,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,Estado,LIVA_ALICIVA,IdMotivo) VALUES ('14/03/2025','14/03/2025','   1',3,44,'1.1.05.001',3,254.1,'H',44.1,'2025','NCPE','0001','00000123','X','COMP','DIFERENCIA DE PRECIO FCC 0003-00004567 OHIGGINS','   1',1,'   1','ESIVA','FCC','000300004567A','mgarcia','17/03/2025 10:42:17',3,0,'0003')
INSERT INTO MV_APLICACION (Cuenta,TC,Sucursal,Numero,Letra,Tco_Origen,Sucursal_Origen,numero_Origen,Letra_Origen,Importe) VALUES ('2.1.01.001','NCPE','0001','00000123','X','FCC','0003','00004567','A',254.1)
UPDATE MV_ASIENTOS SET ESTADO=0 WHERE tc='FCC' and sucursal='0003' and numero='00004567' and letra='A'  and CabCuenta = '2.1.01.001'

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, rewrite of a modified entry (no origin type, credit-side header, state 4) -- (lote)
BEGIN TRANSACTION
DELETE MV_ASIENTOS WHERE TC ='NCPE' AND SUCURSAL = '0001' AND NUMERO ='00000098' AND LETRA ='X'
DELETE MV_APLICACION WHERE TC ='NCPE' AND IDCOMPROBANTE = '000100000098X' AND TCO_ORIGEN = '' AND IDCOMPROBANTE_ORIGEN=''
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,CabCuenta,CabNombre,Estado,LIVA_ALICIVA) VALUES ('28/02/2025','28/02/2025','   1',2,17,'2.1.01.007',1,1500,'H',1500,'2025','NCPE','0001','00000098','X','COMP','NOTA DE DEBITO AL PROVEEDOR','   1',1,'   1','','','mgarcia','17/03/2025 10:50:03','2.1.01.007','DISTRIBUIDORA NORTE SA',4,0)
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,Estado,LIVA_ALICIVA) VALUES ('28/02/2025','28/02/2025','   1',2,17,'5.1.03.002',2,1500,'D',1500,'2025','NCPE','0001','00000098','X','COMP','NOTA DE DEBITO AL PROVEEDOR','   1',1,'   1','','','mgarcia','17/03/2025 10:50:03',4,0)
UPDATE MV_ASIENTOS SET ESTADO=0 WHERE tc='' and sucursal='' and numero='' and letra=''  and CabCuenta = '2.1.01.007'

-- FrmAsientoNDPRoNCPE.ActualizarDatos: batch of a new difference entry, numbers put in place of @NNNNNN@ and @AAAAAA@ by its runner -- (lote)
BEGIN TRANSACTION
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,CabCuenta,CabNombre,LIVA_ALICIVA) VALUES ('14/03/2025','14/03/2025','   1',3,'44','2.1.01.001',1,254.1,'D',254.1,'2025','NCPE','0001','00000124','X','COMP','DIFERENCIA FCC 0003-00004567 CONTRA OC 0001-00000077','   1',1,'   1','FCC','000300004567A','mgarcia','17/03/2025 11:02:45','2.1.01.001','FERRETERIA DEL SUR SRL',21)
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,LIVA_ALICIVA) VALUES ('14/03/2025','14/03/2025','   1',3,'44','5.1.03.002',2,254.1,'H',210,'2025','NCPE','0001','00000124','X','COMP','DIFERENCIA FCC 0003-00004567 CONTRA OC 0001-00000077','   1',1,'   1','FCC','000300004567A','mgarcia','17/03/2025 11:02:45',21)
INSERT INTO MV_ASIENTOS (Fecha,FechaSubDiario,UNegocio,MES_OPERATIVO,[numero asiento],Cuenta,Secuencia,CabImporte,[DEBE-HABER],Importe,Periodo,TC,Sucursal,Numero,Letra,Tipo_Reg,Detalle,Moneda,Cotizacion,IdCajas,NroCAI,Tc_Origen,Cpte_Origen,USUARIO_LOGEADO,Fechahora_Grabacion,LIVA_ALICIVA) VALUES ('14/03/2025','14/03/2025','   1',3,'44','1.1.05.001',3,254.1,'H',44.1,'2025','NCPE','0001','00000124','X','COMP','DIFERENCIA FCC 0003-00004567 CONTRA OC 0001-00000077','   1',1,'   1','ESIVA','FCC','000300004567A','mgarcia','17/03/2025 11:02:45',21)
UPDATE MV_ASIENTOS SET ESTADO = 1 WHERE TC = 'FCC' AND  Sucursal = '0003' AND Numero = '00004567' AND Letra = 'A' AND CUENTA = '2.1.01.001'
INSERT INTO MV_APLICACION (Cuenta,TC,Sucursal,Numero,Letra,Tco_Origen,Sucursal_Origen,numero_Origen,Letra_Origen,Importe) VALUES ('2.1.01.001','NCPE','0001','00000124','X','FCC','0003','00004567','A',254.1)

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, end of the transaction after a clean batch
COMMIT TRANSACTION

-- frmAuditoria.wbExplorer_BeforeNavigate2: modify link, end of the transaction after a failed batch
ROLLBACK TRANSACTION

-- frmCambioEstado.txtFields_KeyDown: motive exists and is enabled for NCPE
SELECT TOP 1 * FROM V_TA_MOTIVOCPRA WHERE IDMOTIVOCPRA = '0003' AND CHARINDEX(HABILITADOPARA,'NCPE',1)>0

-- Lib_ClsCons3.ConsultaSearch: column probe of the motive view (motive lookup of frmCambioEstado.cmdConsultar_Click)
select top 1 * from V_TA_MOTIVOCPRA

-- Lib_FrmCons3.Form_Load: motive lookup, automatic statement with the caller's condition in parentheses
 SELECT TOP 1000 HABILITADOPARA,DESCRIPCION,IDMOTIVOCPRA FROM V_TA_MOTIVOCPRA WHERE  ( CHARINDEX(HABILITADOPARA,'NCPE',1)>0)  ORDER BY DESCRIPCION

-- frmCambioEstado.GrabarCambioEstado: new state of the difference, without motive
UPDATE MV_ASIENTOS SET ESTADO=2 WHERE tc='NCPE' and sucursal='0001' and numero='00000123' and letra='X'

-- frmCambioEstado.GrabarCambioEstado: new state 3 of the difference, with motive
UPDATE MV_ASIENTOS SET ESTADO=3, IDMOTIVO = '0003' WHERE tc='NCPE' and sucursal='0001' and numero='00000123' and letra='X'

-- frmCambioEstado.GrabarCambioEstado: origin voucher's entry back to 0 (header account known)
UPDATE MV_ASIENTOS SET ESTADO=0 WHERE tc='FCC' and sucursal='0003' and numero='00004567' and letra='A'  and cabcuenta='2.1.01.001'

-- frmCambioEstado.GrabarCambioEstado: state 3 frees the origin voucher from the difference's application
DELETE MV_APLICACION WHERE CUENTA = '2.1.01.001' AND TC = 'NCPE' AND SUCURSAL = '0001' AND NUMERO = '00000123' AND LETRA = 'X'

-- frmCambioEstado.GrabarCambioEstado: back to review, origin voucher's entry to 1 (no header account)
UPDATE MV_ASIENTOS SET ESTADO=1 WHERE tc='FCC' and sucursal='0003' and numero='00004567' and letra='A'  and cabcuenta is null

-- FrmAuditoriaCBTECTABLE.Generar: company name
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'NOMBRE'

-- FrmAuditoriaCBTECTABLE.Generar: name of the voucher type
SELECT DESCRIPCION FROM TA_COMPROBANTES WHERE CODIGO='NCPE'

-- FrmAuditoriaCBTECTABLE.Generar: entry row for the given account (SELECT * over a join)
SELECT * from mv_asientos left outer join V_TA_UnidadNegocio on mv_asientos.unegocio= V_TA_UnidadNegocio.codigo WHERE  TC='NCPE' and sucursal='0001' and numero='00000123' and letra='X' and Cuenta = '2.1.01.001'

-- FrmAuditoriaCBTECTABLE.Generar: head of the whole voucher (no account given, type padded to 4)
SELECT fecha,detalle,[NUMERO ASIENTO], mes_operativo, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion from mv_asientos left outer join V_TA_UnidadNegocio on mv_asientos.unegocio= V_TA_UnidadNegocio.codigo WHERE  TC='FCC ' and sucursal='0003' and numero='00004567' and letra='A'

-- FrmAuditoriaCBTECTABLE.Generar: head of one entry
SELECT fecha,detalle,[NUMERO ASIENTO], mes_operativo, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion from mv_asientos left outer join V_TA_UnidadNegocio on mv_asientos.unegocio= V_TA_UnidadNegocio.codigo WHERE  TC='NCPE' and sucursal='0001' and numero='00000123' and letra='X' and Tipo_Reg = 'COMP' and Mes_Operativo = 3 and [Numero Asiento] = 44

-- FrmAuditoriaCBTECTABLE.Generar: head with the account when no entry row carries it
SELECT fecha,detalle,[NUMERO ASIENTO], mes_operativo, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion from mv_asientos left outer join V_TA_UnidadNegocio on mv_asientos.unegocio= V_TA_UnidadNegocio.codigo WHERE  TC='NCPE' and sucursal='0001' and numero='00000123' and letra='X' and Cuenta='2.1.01.001' 

-- FrmAuditoriaCBTECTABLE.Generar: lines of the whole voucher (letter padded to 4)
SELECT CUENTA, MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO,VENCIMIENTO,[DEBE-HABER],IMPORTE  from MV_ASIENTOS left join MA_CUENTAS on MA_CUENTAS.Codigo = MV_ASIENTOS.Cuenta left join V_TA_BANCOS on V_TA_BANCOS.IdBanco = MV_ASIENTOS.IdBanco Where TC='FCC ' and SUCURSAL='0003' and NUMERO='00004567' and LETRA='A   '

-- FrmAuditoriaCBTECTABLE.Generar: lines of one entry
SELECT CUENTA, MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO,VENCIMIENTO,[DEBE-HABER],IMPORTE  from MV_ASIENTOS left join MA_CUENTAS on MA_CUENTAS.Codigo = MV_ASIENTOS.Cuenta left join V_TA_BANCOS on V_TA_BANCOS.IdBanco = MV_ASIENTOS.IdBanco Where TC='NCPE' and SUCURSAL='0001' and NUMERO='00000123' and LETRA='X   ' and Tipo_Reg = 'COMP' and Mes_Operativo = 3 and [Numero Asiento] = 44

-- FrmAuditoriaCBTECTABLE.Generar: lines of one entry as a non-administrator session sends them (per-user synonyms)
SELECT CUENTA, SS_MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO,VENCIMIENTO,[DEBE-HABER],IMPORTE  from SS_MV_ASIENTOS left join SS_MA_CUENTAS on SS_MA_CUENTAS.Codigo = SS_MV_ASIENTOS.Cuenta left join V_TA_BANCOS on V_TA_BANCOS.IdBanco = SS_MV_ASIENTOS.IdBanco Where TC='NCPE' and SUCURSAL='0001' and NUMERO='00000123' and LETRA='X   ' and Tipo_Reg = 'COMP' and Mes_Operativo = 3 and [Numero Asiento] = 44

-- FrmAuditoriaCBTECTABLE.Generar: history of actions on the voucher
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='FCC ' and IDCOMPROBANTE='000300004567A'

-- FrmAuditoriaCBTECTABLE.Generar: history of actions on one entry
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='NCPE' and IDCOMPROBANTE='000100000123X'  and Tipo_Reg = 'COMP' and Mes_Operativo = 3 and NumeroAsiento = 44

-- FrmAuditoriaTCSTOCK.Generar: name of the voucher type
SELECT DESCRIPCION FROM TA_COMPROBANTES WHERE CODIGO='IR'

-- FrmAuditoriaTCSTOCK.Generar: header of a stock voucher with deposit and business unit
SELECT TC, IDCOMPROBANTE, FECHA,CUENTAPROVEEDOR,IDCOMPLEMENTO, CONTROLADOPOR, UNEGOCIO, V_TA_UnidadNegocio.descripcion as unegociodescripcion,V_MV_STOCK.IDDEPOSITO,V_TA_DEPOSITO.DESCRIPCION AS DESCDEP FROM V_MV_STOCK LEFT OUTER JOIN V_TA_DEPOSITO ON V_MV_STOCK.IDDEPOSITO = V_TA_DEPOSITO.IDDEPOSITO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_STOCK.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='IR  ' and idcomprobante='000100000321X'

-- FrmAuditoriaTCSTOCK.Generar: header of a stock voucher as a non-administrator session sends it (per-user synonym)
SELECT TC, IDCOMPROBANTE, FECHA,CUENTAPROVEEDOR,IDCOMPLEMENTO, CONTROLADOPOR, UNEGOCIO, V_TA_UnidadNegocio.descripcion as unegociodescripcion,V_MV_STOCK.IDDEPOSITO,SS_V_TA_DEPOSITO.DESCRIPCION AS DESCDEP FROM V_MV_STOCK LEFT OUTER JOIN SS_V_TA_DEPOSITO ON V_MV_STOCK.IDDEPOSITO = SS_V_TA_DEPOSITO.IDDEPOSITO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_STOCK.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='IR  ' and idcomprobante='000100000321X'

-- FrmAuditoriaTCSTOCK.Generar: article lines of a stock voucher
SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,COSTO,PRECIOVENTA from V_MV_STOCK WHERE TC='IR  ' and idcomprobante='000100000321X'

-- FrmAuditoriaTCSTOCK.Generar: vouchers applied by this one (branch, number and letter each padded)
SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE from MV_APLICACION WHERE TC='IR  ' and SUCURSAL='0001' and NUMERO='00000321' and LETRA='X   '

-- FrmAuditoriaTCSTOCK.Generar: vouchers applying to this one
SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE from MV_Aplicacion WHERE TCo_origen='IR  ' and idcomprobante_origen='000100000321X'

-- FrmAuditoriaTCSTOCK.Generar: history of actions narrowed by the complement (complement quoted)
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='IR  ' and IDCOMPROBANTE='000100000321X' AND IDCOMPLEMENTO='1'

-- FrmAuditoriaTCSTOCK.Generar: history of actions without complement
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='IR  ' and IDCOMPROBANTE='000100000321X'

-- FrmAuditoriaRECIBODetalle.Generar: name of the voucher type
SELECT DESCRIPCION FROM TA_COMPROBANTES WHERE CODIGO='CB'

-- FrmAuditoriaRECIBODetalle.Generar: party of a receipt from the sales view (ISNULL, arithmetic on columns)
SELECT NOMBRE,COMENTARIOS, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto,unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion, isnull(importe,0) as importe, isnull(RETGAN_Importe,0) as RETGAN_Importe ,isnull(RETIBR_Importe,0) as RETIBR_Importe,isnull(RETIVA_Importe,0) as RETIVA_Importe,  (V_MV_Cpte.impdescuento1 + V_MV_Cpte.impdescuento2 + V_MV_Cpte.impdescuento3 + V_MV_Cpte.impdescuento4) AS DESCUENTOS ,   V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4 FROM V_MV_Cpte LEFT OUTER JOIN MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='CB  ' and idcomprobante='000200000789X'

-- FrmAuditoriaRECIBODetalle.Generar: party of a payment from the purchase view
SELECT NOMBRE,COMENTARIOS, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, FECHA, c_mv_cpte.comentarios, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto,unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion, isnull(importe,0) as importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, c_mv_Cpte.impdescuento1 , c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , c_mv_Cpte.porcdescuento3, c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, c_mv_Cpte.impdescuento4, c_mv_Cpte.ImporteImpuestosInternos,   c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2 FROM C_MV_Cpte LEFT OUTER JOIN MA_CUENTASADIC ON C_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON C_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE  TC='PG  ' and idcomprobante='000100000456X'

-- FrmAuditoriaRECIBODetalle.Generar: payment lines on every account but the party's (no blank before and)
SELECT CUENTA, MA_CUENTAS.DESCRIPCION,NROCOMPROBANTEBANCARIO,V_TA_BANCOS.IDBANCO, V_TA_BANCOS.DESCRIPCION AS DESCRIPCIONBANCO, VENCIMIENTO,[DEBE-HABER],IMPORTE  from MV_ASIENTOS left join MA_CUENTAS on MA_CUENTAS.Codigo = MV_ASIENTOS.Cuenta left join V_TA_BANCOS on V_TA_BANCOS.IdBanco = MV_ASIENTOS.IdBanco Where TC='CB  ' and SUCURSAL='0002' and NUMERO='00000789' and LETRA='X   'and cuenta <> '1.3.01.042'

-- FrmAuditoriaRECIBODetalle.Generar: vouchers settled by a receipt (comma join with the sales view)
SELECT V_MV_CPTE.FECHA,V_MV_CPTE.IMPORTE, MV_APLICACION.TCO_ORIGEN,MV_APLICACION.SUCURSAL_ORIGEN,MV_APLICACION.NUMERO_ORIGEN,MV_APLICACION.LETRA_ORIGEN,MV_APLICACION.IDCOMPROBANTE_ORIGEN, MV_APLICACION.IMPORTE AS APLICADO from MV_APLICACION, V_MV_CPTE WHERE MV_APLICACION.TCO_ORIGEN=V_MV_CPTE.TC AND MV_APLICACION.IDCOMPROBANTE_ORIGEN=V_MV_CPTE.IDCOMPROBANTE AND MV_APLICACION.TC='CB  ' and MV_APLICACION.SUCURSAL='0002' and MV_APLICACION.NUMERO='00000789' and MV_APLICACION.LETRA='X   '

-- FrmAuditoriaRECIBODetalle.Generar: vouchers settled by a payment (comma join with the purchase view)
SELECT C_MV_CPTE.FECHA,C_MV_CPTE.IMPORTE, MV_APLICACION.TCO_ORIGEN,MV_APLICACION.SUCURSAL_ORIGEN,MV_APLICACION.NUMERO_ORIGEN,MV_APLICACION.LETRA_ORIGEN,MV_APLICACION.IDCOMPROBANTE_ORIGEN, MV_APLICACION.IMPORTE AS APLICADO from MV_APLICACION, C_MV_CPTE WHERE MV_APLICACION.TCO_ORIGEN=C_MV_CPTE.TC AND MV_APLICACION.IDCOMPROBANTE_ORIGEN=C_MV_CPTE.IDCOMPROBANTE AND MV_APLICACION.TC='PG  ' and MV_APLICACION.SUCURSAL='0001' and MV_APLICACION.NUMERO='00000456' and MV_APLICACION.LETRA='X   '

-- FrmAuditoriaRECIBODetalle.Generar: history of actions on a receipt (complement quoted)
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='CB  ' and IDCOMPROBANTE='000200000789X' AND IDCOMPLEMENTO='1'

-- FrmAuditoriaRECIBODetalle.Generar: history of actions on a payment
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC,SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='PG  ' and IDCOMPROBANTE='000100000456X'

-- FrmAuditoriaPopUp.wbExplorer_BeforeNavigate2: account link (two blanks after select)
select  descripcion, titulo from MA_CUENTAS where codigo='1.1.01.001'

-- FrmAuditoriaCBTEDetalle.Generar: name of the voucher type from the type view
SELECT DESCRIPCION FROM V_TA_CPTE WHERE CODIGO='FC'

-- FrmAuditoriaCBTEDetalle.Generar: header of a sales voucher
SELECT NOMBRE, v_mv_cpte.DOMICILIO, v_mv_cpte.LOCALIDAD,CUENTA,IDCOMPLEMENTO, CODIGOPOSTAL, FECHA, v_mv_cpte.comentarios, v_mv_cpte.TELEFONO, MATRICULA,MODELO,SERIE, FECHAESTINICIO,FECHAESTFIN, ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion, importe, V_MV_Cpte.importe_s_iva, V_MV_Cpte.porcdescuento1, V_MV_Cpte.impdescuento1 , V_MV_Cpte.porcdescuento2, V_MV_Cpte.impdescuento2 , V_MV_Cpte.porcdescuento3, V_MV_Cpte.impdescuento3, V_MV_Cpte.porcdescuento4, V_MV_Cpte.impdescuento4, V_MV_Cpte.ImporteImpuestosInternos,     V_MV_Cpte.AlicIva,V_MV_Cpte.AlicIva2,V_MV_Cpte.AlicIva3,V_MV_Cpte.AlicIva4, V_MV_Cpte.ImporteIva,v_mv_cpte.AlicIvaRec, V_MV_Cpte.ImporteIvaRec,V_MV_Cpte.ImporteIva2,V_MV_Cpte.ImpIVA3,V_MV_Cpte.ImpIVA4 FROM V_MV_Cpte LEFT OUTER JOIN MA_CUENTASADIC ON V_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON V_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE TC='FC  ' and idcomprobante='000100001234A'

-- FrmAuditoriaCBTEDetalle.Generar: header of a purchase voucher (by supplier account)
SELECT NOMBRE, c_mv_cpte.DOMICILIO, c_mv_cpte.LOCALIDAD,CUENTA, CODIGOPOSTAL, FECHA, c_mv_cpte.comentarios, c_mv_cpte.TELEFONO,  ma_cuentasadic.contacto, unegocio, V_TA_UnidadNegocio.descripcion as unegociodescripcion, importe, c_mv_Cpte.importe_s_iva, c_mv_Cpte.porcdescuento1, c_mv_Cpte.impdescuento1 , c_mv_Cpte.porcdescuento2, c_mv_Cpte.impdescuento2 , c_mv_Cpte.porcdescuento3, c_mv_Cpte.impdescuento3, c_mv_Cpte.porcdescuento4, c_mv_Cpte.impdescuento4, c_mv_Cpte.ImporteImpuestosInternos, C_MV_Cpte.AlicIva,C_MV_Cpte.AlicIva2,   c_mv_Cpte.ImporteIva,c_mv_cpte.AlicIvaRec, c_mv_Cpte.ImporteIvaRec,c_mv_Cpte.ImporteIva2 FROM C_MV_Cpte LEFT OUTER JOIN MA_CUENTASADIC ON C_MV_Cpte.CUENTA = MA_CUENTASADIC.CODIGO LEFT OUTER JOIN V_TA_UnidadNegocio ON C_MV_Cpte.UNEGOCIO = V_TA_UnidadNegocio.Codigo WHERE  TC='FCC ' and idcomprobante='000300004567A' AND Cuenta = '2.1.01.001'

-- FrmAuditoriaCBTEDetalle.Generar: items of a sales voucher (complement unquoted)
SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL,IMPORTEDTO from V_MV_CPTEInsumos WHERE TC='FC  ' and idcomprobante='000100001234A' and idcomplemento=1

-- FrmAuditoriaCBTEDetalle.Generar: items of a purchase voucher
SELECT IDARTICULO,DESCRIPCION,IDUNIDAD,CANTIDAD,IMPORTE,TOTAL from C_mv_CPTEInsumos WHERE TC='FCC ' and idcomprobante='000300004567A' and cuenta = '2.1.01.001'

-- FrmAuditoriaCBTEDetalle.Generar: tasks of a sales voucher
SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from V_MV_CPTETareas WHERE TC='FC  ' and idcomprobante='000100001234A' and idcomplemento=1

-- FrmAuditoriaCBTEDetalle.Generar: tasks of a purchase voucher
SELECT IDTAREA,DESCRIPCION,HORAS,VALORHORA,TOTAL from C_mv_CPTETareas WHERE TC='FCC ' and idcomprobante='000300004567A' and cuenta = '2.1.01.001'

-- FrmAuditoriaCBTEDetalle.Generar: observations of a sales voucher
SELECT TIPO_OBS,OBSERVACION,IMPORTE from V_MV_CPTE_Observ WHERE TC='FC  ' and idcomprobante='000100001234A' and idcomplemento=1

-- FrmAuditoriaCBTEDetalle.Generar: observations of a purchase voucher
SELECT TIPO_OBS,OBSERVACION,IMPORTE from C_mv_CPTE_Observ WHERE TC='FCC ' and idcomprobante='000300004567A' and cuenta = '2.1.01.001'

-- FrmAuditoriaCBTEDetalle.Generar: vouchers applied by this one (letter padded to 4)
SELECT TCO_ORIGEN,SUCURSAL_ORIGEN,NUMERO_ORIGEN,LETRA_ORIGEN,IDCOMPROBANTE_ORIGEN, IMPORTE from MV_APLICACION WHERE TC='FC  ' and SUCURSAL='0001' and NUMERO='00001234' and LETRA='A   ' and cuenta = '1.3.01.042'

-- FrmAuditoriaCBTEDetalle.Generar: vouchers applying to this one
SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE from MV_Aplicacion WHERE TCo_origen='FC  ' and idcomprobante_origen='000100001234A' and cuenta = '1.3.01.042'

-- FrmAuditoriaCBTEDetalle.Generar: vouchers applying to this one with an empty account
SELECT TC,sucursal,numero,letra,IDCOMPROBANTE, IMPORTE from MV_Aplicacion WHERE TCo_origen='FCC ' and idcomprobante_origen='000300004567A' and cuenta = ''

-- FrmAuditoriaCBTEDetalle.Generar: reception reports of a purchase order (16-character padded key)
SELECT V_MV_STOCK.FECHA, V_MV_STOCK.TC,V_MV_STOCK.IDCOMPROBANTE from V_MV_STOCK WHERE V_MV_STOCK.TC_ORIGEN='OC  ' and V_MV_STOCK.IDCOMPROBANTE_ORIGEN='000100000077A   ' AND SECUENCIA = 1

-- FrmAuditoriaCBTEDetalle.Generar: history of actions on a sales voucher
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='FC  ' and IDCOMPROBANTE='000100001234A' AND IDCOMPLEMENTO='1'

-- FrmAuditoriaCBTEDetalle.Generar: history of actions on a purchase voucher
SELECT TIPO_ACCION, FECHAHORA, USUARIO, PC, SYSTEMUSER from V_MV_CPTEACCIONES WHERE TC='FCC ' and IDCOMPROBANTE='000300004567A'

-- Lib_FrmCons3.Form_Load: customer lookup from its mask, with default filter
 SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0 ORDER BY RAZON_SOCIAL

-- Lib_FrmCons3.Form_Load: article lookup from its mask, view renamed, default filter
 SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION

-- Lib_FrmCons3.Form_Load: deposit lookup without mask (fixed field list)
 SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO ORDER BY IDDEPOSITO

-- Lib_FrmCons3.CmbSearch_KeyDown: F5 re-query, prefix search with * turned into %
  SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  and RAZON_SOCIAL like 'gar%z%' ORDER BY RAZON_SOCIAL

-- Lib_FrmCons3.CmbSearch_KeyDown: second F5 re-query on another column
   SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  and RAZON_SOCIAL like 'gar%z%'  and CODIGO like '00%' ORDER BY RAZON_SOCIAL

-- Lib_FrmCons3.CmbSearch_KeyDown: F5 re-query with contains search configured (* kept literally)
  SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES WHERE Dada_De_Baja = 0  and RAZON_SOCIAL like '%gar*z%' ORDER BY RAZON_SOCIAL

-- Lib_FrmCons3.CmbSearch_KeyDown: F5 re-query on a statement without WHERE
  SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO  where Descripcion like 'CEN%' ORDER BY IDDEPOSITO

-- Lib_FrmCons3.Form_KeyDown: F12 stock-shortage report (article code padded to 25)
INSERT INTO V_MV_FALTANTES (FechaHora,IdArticulo,Descripcion,Usuario) values('17/03/2025 10:42:17','TORN-001                 ','TORNILLO AUTOPERFORANTE 8 X 1','mgarcia')

-- Def_QConsulta.QConsultaTabla: ready statement of a code table listed by the list window (trailing blank)
 select DESCRIPCION,CODIGO from Ta_Ccosto 

-- Def_QConsulta.QConsultaTabla: direct statement without masks, table renamed
 select Descripcion,Codigo from VT_TA_Cpte 

-- Def_QConsulta.QConsultaTabla: direct statement without masks, family rule for the code column
 select DESCRIPCION,IDBanco from V_TA_Bancos 

-- Lib_FrmCons3Tree.ArmarTreeVAutomatico: cost-centre tree of FrmConfirmaCCosto.cmdConsultar_Click
SELECT Codigo, DESCRIPCION FROM Ta_Ccosto ORDER BY Codigo

-- Lib_FrmCons3Tree.CmbSearch_KeyDown: F5 re-query by description
SELECT Codigo, DESCRIPCION FROM Ta_Ccosto  where Descripcion like '%ADMIN%' ORDER BY Codigo

-- Lib_FrmCons3Tree.CmbSearch_KeyDown: second F5 re-query by description
SELECT Codigo, DESCRIPCION FROM Ta_Ccosto  where Descripcion like '%ADMIN%'  and Descripcion like '%CENTRAL%' ORDER BY Codigo

-- Lib_FrmCons3Tree.CmdAceptar_Click: chosen code is a cost centre
SELECT TOP 1  * FROM TA_CCOSTO WHERE LTRIM(RTRIM(CODIGO)) ='0101'

-- Lib_FrmCons3Tree.CmdAceptar_Click: chosen code is an account
SELECT TOP 1  * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='0101'

-- Lib_FrmCons3Tree.CmdAceptar_Click: chosen family (owner escape removed)
SELECT TOP 1  * FROM V_TA_FAMILIAS WHERE LTRIM(RTRIM(IDFAMILIA)) ='0007'

-- Lib_FrmCons3Tree.CmdAceptar_Click: chosen position
SELECT TOP 1  * FROM MA_POSICIONES WHERE LTRIM(RTRIM(IDPOSICION)) ='A-12'

-- FrmConsComprobantes.Form_Load: reference switch of the pick list
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'UsaReferenciaPresupuestos'

-- FrmConsComprobantes.Form_Load: pending purchase delivery notes (filter required)
 SELECT CUENTA , ANULADA, Nombre, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM C_RemitosPendientes WHERE TC = 'RMC ' AND CUENTA = '2.1.01.001' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending delivery notes from the pending view, with filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_RemitosPendientes WHERE TC = 'RM  ' AND CUENTA = '1.3.01.042' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending delivery notes from the voucher view, with filter (two blanks before AND)
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'RM  ' AND CUENTA = '1.3.01.042'  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending delivery notes from the pending view, no filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_RemitosPendientes WHERE TC = 'RM  ' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending delivery notes from the voucher view, no filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'RM  ' AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: third-party vouchers
SELECT * FROM V_MV_CPTETERCEROS ORDER BY ID,IDCOMPROBANTE, IDCOMPLEMENTO

-- FrmConsComprobantes.Form_Load: difference entries, first line of each
SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND SECUENCIA = 1 ORDER BY SUCURSAL, NUMERO, LETRA DESC

-- FrmConsComprobantes.Form_Load: difference entries with a filter (every line, trailing blank)
SELECT * FROM MV_ASIENTOS WHERE TC = 'NDPR' AND CABCUENTA = '2.1.01.001' ORDER BY SUCURSAL, NUMERO, LETRA DESC 

-- FrmConsComprobantes.Form_Load: supplier name of a journal-entry row
SELECT TOP 1 * FROM VT_PROVEEDORES WHERE LTRIM(RTRIM(Codigo)) ='2.1.01.001' 

-- FrmConsComprobantes.Form_Load: purchase vouchers, no filter
SELECT * FROM C_MV_CPTE WHERE TC = 'FCC ' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: purchase vouchers with a date filter (trailing blank)
SELECT * FROM C_MV_CPTE WHERE TC = 'NCC ' AND FECHA >= '01/03/2025' ORDER BY IDCOMPROBANTE DESC 

-- FrmConsComprobantes.Form_Load: pending work orders (filter required)
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento,ID,FECHA, Importe FROM V_OT_Pendientes WHERE TC = 'OT  ' AND CUENTA = '1.3.01.042' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: work orders, no filter (two blanks before ORDER)
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, IDCOMPlemento , ID,FECHA, Importe FROM V_OT_Pendientes WHERE TC = 'OT  '  ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending orders with a filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, FechaPreparacion FROM V_MV_CPTE WHERE TC = 'NP  ' AND CUENTA = '1.3.01.042' AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending orders, no filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe,FechaPreparacion FROM V_MV_CPTE WHERE TC = 'NP  ' AND FINALIZADA = 0 and anulada = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending budgets with a filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM V_MV_CPTE WHERE TC = 'PR  ' AND APROBADO = 1 AND CUENTA = '1.3.01.042' AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending budgets, no filter
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe, comentarios FROM V_PR_PENDIENTES WHERE TC = 'PR  ' AND APROBADO = 1 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: purchase orders with a filter whose WHERE was removed
 SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM C_MV_CPTE WHERE TC = 'OC  ' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) AND  CUENTA = '2.1.01.001' ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: purchase orders, no filter
 SELECT FECHA, CUENTA , NOMBRE, ANULADA, APROBADO, TC,IDCOMPROBANTE, ID,Importe, comentarios, Garantia FROM C_MV_CPTE WHERE TC = 'OC  ' AND (APROBADO = 1) AND (FINALIZADO = 0) AND (ANULADA = 0) ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: reception report of a purchase-order row (DatosTabla with condition)
SELECT TOP 1 * FROM v_mv_stock WHERE LTRIM(RTRIM(TC_origen)) ='OC'  AND  TC = 'IR' AND TC_ORIGEN = 'OC' AND IDCOMPROBANTE_ORIGEN ='000100000077A'

-- FrmConsComprobantes.Form_Load: pending FP vouchers with a filter whose WHERE was removed
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'FP  '  AND  CUENTA = '1.3.01.042'  AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: pending FP vouchers, no filter (three blanks before AND)
 SELECT CUENTA , ANULADA, Nombre, APROBADO, TC,IDCOMPROBANTE, ID,FECHA, Importe FROM V_MV_CPTE WHERE TC = 'FP  '   AND FINALIZADA = 0 ORDER BY IDCOMPROBANTE DESC

-- FrmConsComprobantes.Form_Load: any other voucher type, no filter
SELECT * FROM V_MV_CPTE WHERE TC = 'FC  ' ORDER BY IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC

-- FrmConsComprobantes.Form_Load: any other voucher type with a filter (double and trailing blanks)
SELECT * FROM V_MV_CPTE WHERE TC = 'FC  ' AND CUENTA = '1.3.01.042' ORDER BY  IDCOMPROBANTE DESC, IDCOMPLEMENTO ASC  

-- FrmAsientoNDPRoNCPE.Inicializa: line accounts proposed from the configuration
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'NCPE_H1'

-- FrmAsientoNDPRoNCPE.CargarParaModificar: every line of the entry in sequence order
SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND SUCURSAL ='0001' AND NUMERO ='00000123' AND LETRA='X' ORDER BY SECUENCIA

-- FrmAsientoNDPRoNCPE.CampoValida: voucher key already stored
SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND SUCURSAL = '0001' AND NUMERO = '00000124' AND LETRA ='X'

-- FrmAsientoNDPRoNCPE.CampoValida: account by its code
SELECT TOP 1  * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='5.1.03.002'

-- FrmAsientoNDPRoNCPE.CampoValida: account by its alternative code
SELECT TOP 1  * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGOOPCIONAL)) ='510302'

-- FrmAsientoNDPRoNCPE.CampoValida: account by its code as a non-administrator session sends it (per-user synonym)
SELECT TOP 1  * FROM SS_MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='5.1.03.002'

-- FrmAsientoNDPRoNCPE.CampoValida: heading flag and payment-means column of the account (DatosTabla)
SELECT TOP 1 * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='5.1.03.002' 

-- FrmAsientoNDPRoNCPE.CampoValida: motive exists and is enabled for NCPE
SELECT TOP 1 * FROM V_TA_MOTIVOCPRA WHERE IDMOTIVOCPRA = '0003' AND CHARINDEX(HABILITADOPARA,'NCPE',1)>0

-- FrmAsientoNDPRoNCPE.ObtieneDescripcionCuenta: description of a postable account (DatosTabla with condition)
SELECT TOP 1 * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='5.1.03.002'  AND CODIGO = '5.1.03.002' AND TITULO = 0 

-- Lib_ClsCons3.ConsultaSearch: column probe of the account table (FrmAsientoNDPRoNCPE.cmdConsultar)
select top 1 * from ma_cuentas

-- Lib_FrmCons3.Form_Load: postable-account lookup of the entry form (empty-text comparison, is null)
 SELECT TOP 1000 USACCOSTOS,CC_DIST,TIPOVISTA,MEDIODEPAGO,TITULO,CODIGOOPCIONAL,DESCRIPCION,CODIGO FROM ma_cuentas WHERE (( tipovista = '' or tipovista  is null) and titulo = 0)  ORDER BY DESCRIPCION

-- FrmAsientoNDPRoNCPE.GenerarNDPRoNCPE: supplier name (DatosTabla)
SELECT TOP 1 * FROM VT_PROVEEDORES WHERE LTRIM(RTRIM(CODIGO)) ='2.1.01.001' 

-- FrmAsientoNDPRoNCPE.GenerarNDPRoNCPE: description of the VAT account (DatosTabla)
SELECT TOP 1 * FROM MA_CUENTAS WHERE LTRIM(RTRIM(CODIGO)) ='1.1.05.001' 

-- FrmAsientoNDPRoNCPE.ActualizarDatos: fiscal period of the entry date
Select * from MV_EJERCICIOS where [FECHA DESDE] <= '14/03/2025' and [FECHA HASTA] >= '14/03/2025'

-- ObtieneTipoRegCont: subdiary of the voucher type
SELECT * FROM MA_SUBDIARIOSCOMPROBANTES WHERE TC = 'NCPE'

-- ObtieneTipoRegCont: the subdiary exists
SELECT * FROM MA_SUBDIARIOS WHERE CODIGO = 'COMP'

-- ValidaTCRegistraciones: next journal-entry number of a month, period and registration type (owner escape removed)
SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM MV_ASIENTOS WHERE MES_OPERATIVO = 3 AND TIPO_REG = 'COMP' AND PERIODO = 2025

-- ValidaTCRegistraciones: next journal-entry number for a blank registration type
SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM MV_ASIENTOS WHERE MES_OPERATIVO = 3 AND (TIPO_REG = 'ÿRS' OR TIPO_REG = '') AND PERIODO = 2025

-- ObtieneTCNumeracion: numbering alias of the voucher type
SELECT VALOR, valoraux FROM ta_configuracion WHERE CLAVE = 'NUM_NCPE'

-- Obtener_Nro_Comprobante_Contable: ranges of the type for a business unit (two blanks before ORDER)
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE' AND UNEGOCIO = '   1'  ORDER BY TALONARIO

-- Obtener_Nro_Comprobante_Contable: ranges of the type
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE' ORDER BY TALONARIO

-- Obtener_Nro_Comprobante_Contable: ranges of one branch (quoted branch against a number column)
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE'  AND A_SUC_DEFAULT = '0002'

-- Obtener_Nro_Comprobante_Contable: ranges of one branch in sequence order
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE' AND A_SUC_DEFAULT = '0002' ORDER BY TALONARIO

-- Obtener_Nro_Comprobante_Contable: ranges of one branch for a business unit
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE' AND UNEGOCIO = '   1' AND A_SUC_DEFAULT = '0002'  ORDER BY TALONARIO

-- ObtieneAsientoComprobante: proposed voucher already has a journal entry
SELECT * FROM MV_ASIENTOS WHERE TC = 'NCPE' AND SUCURSAL = '0001' AND NUMERO = '00000123' AND LETRA = 'X'

-- ObtieneAsientoComprobante: voucher has a journal entry on one account
SELECT * FROM MV_ASIENTOS WHERE TC = 'FC  ' AND SUCURSAL = '0001' AND NUMERO = '00001234' AND LETRA = 'A' AND CUENTA = '1.3.01.042'

-- Obtener_Nro_Comprobante: highest booked number of a journal-entry voucher (text MAX)
SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS WHERE TC = 'NCPE' AND SUCURSAL= '0001' AND LETRA = 'X'

-- Obtener_Nro_Comprobante: control row of the proposed key (DELETE without FROM)
DELETE V_MV_CTROL_CPTE WHERE TC = 'NCPE' AND SUCURSAL = '0001' AND NUMERO = '00000124' AND LETRA = 'X'

-- Obtener_Nro_Comprobante: proposed trip voucher stored
SELECT * From MV_VIAJES WHERE TC = 'VJ' AND IDCOMPROBANTE = '000100000010X'

-- Obtener_Nro_Comprobante: highest stored trip voucher of a branch and letter (SUBSTRING)
SELECT MAX(idcomprobante) AS ULTIMO From MV_VIAJES WHERE TC = 'VJ' AND SUBSTRING(IDCOMPROBANTE,1,4)= '0001' AND SUBSTRING(IDCOMPROBANTE,13,1) = 'X'

-- Obtener_Nro_Comprobante: proposed stock voucher stored
SELECT * From V_MV_STOCK WHERE TC = 'IR' AND IDCOMPROBANTE = '000100000321X'

-- Obtener_Nro_Comprobante: highest stored stock voucher of a branch and letter
SELECT MAX(idcomprobante) AS ULTIMO From V_MV_STOCK WHERE TC = 'IR' AND SUBSTRING(IDCOMPROBANTE,1,4)= '0001' AND SUBSTRING(IDCOMPROBANTE,13,1) = 'X'

-- Obtener_Nro_Comprobante: highest stored CBFP voucher of a branch and letter in the sales view
SELECT MAX(idcomprobante) AS ULTIMO From V_MV_CPTE WHERE TC = 'CBFP' AND SUBSTRING(IDCOMPROBANTE,1,4)= '0001' AND SUBSTRING(IDCOMPROBANTE,13,1) = 'X'

-- Obtener_Nro_Comprobante: proposed purchase order stored
SELECT * From C_MV_CPTE WHERE TC = 'OC' AND IDCOMPROBANTE = '000100000077A'

-- Obtener_Nro_Comprobante: highest purchase-order number below the fixed bound (text comparison, trailing blank)
SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE WHERE TC = 'OC' AND SUCURSAL = '0001' AND NUMERO < '99999999' AND LETRA = 'A' 

-- ValidaNumeracionComprobante: external numbering flag of the type (DatosTabla)
SELECT TOP 1 * FROM V_TA_CPTE WHERE LTRIM(RTRIM(CODIGO)) ='NCPE' 

-- ValidaNumeracionComprobante: ranges of the branch for the letter (column name built from the letter)
Select * from v_ta_cpte where codigo = 'NCPE' and X_SUC_DEFAULT = 1

-- ValidaNumeracionComprobante: ranges of the branch for the letter, in range order (the last one holding the number is checked)
Select * from v_ta_cpte where codigo = 'NCPE' and X_SUC_DEFAULT = 3 ORDER BY TALONARIO

-- ValidaNumeracionComprobante: range last matched
SELECT * FROM V_TA_CPTE WHERE CODIGO = 'NCPE' and Talonario = 2

-- CuentaIVACF: accounts of a purchase reason and VAT condition
SELECT * FROM V_TA_INPUT_COMPRAS WHERE IDMOTIVOCPRA = '0003' AND CONDIVA = '   1'

-- CuentaIVACF: default VAT accounts
SELECT * FROM TA_CUENTASIVA

-- ClsCCosto.HayCuentasCC: account has a fixed cost-centre split
SELECT TOP 1  * FROM MA_CUENTASCCOSTO WHERE LTRIM(RTRIM(CODIGO)) ='5.1.03.002'

-- ClsCCosto.HayCuentasCC: account has a distribution table (NOT ... IS NULL, <> '')
SELECT TOP 1 * FROM MA_CUENTAS WHERE CODIGO='5.1.03.002' AND (NOT CC_DIST IS NULL OR CC_DIST<>'')

-- ClsCCosto.HayCuentasCC2: account has a fixed cost-centre split (ExisteEnTablaST, no TOP)
SELECT * FROM MA_CUENTASCCOSTO WHERE CODIGO ='5.1.03.002'

-- ClsCCosto.HayCuentasCC2: account has a distribution table (ExisteEnTablaST)
SELECT * FROM MA_CUENTAS WHERE CODIGO='5.1.03.002' AND (NOT CC_DIST IS NULL OR CC_DIST<>'')

-- ClsCCosto.HayCuentasCC2: subdiary of the voucher type (DatosTabla)
SELECT TOP 1 * FROM MA_SUBDIARIOSCOMPROBANTES WHERE LTRIM(RTRIM(TC)) ='NCPE' 

-- ClsCCosto.LeeCCosto: stored cost-centre rows of one journal line (double blanks where the fragments join)
Select * from MV_ASIENTOSCCOSTO WHERE  PERIODO = '2025' AND  MES_OPERATIVO = 3 AND  [NUMERO ASIENTO] = 44 AND  CUENTA = '5.1.03.002' AND  TIPO_REG = 'COMP' and Secuencia = 2

-- ClsCCosto.LeeCCosto: stored cost-centre rows of one journal line, any sequence (trailing blank)
Select * from MV_ASIENTOSCCOSTO WHERE  PERIODO = '2025' AND  MES_OPERATIVO = 3 AND  [NUMERO ASIENTO] = 44 AND  CUENTA = '5.1.03.002' AND  TIPO_REG = 'COMP' 

-- ClsCCosto.SCriptCCosto: cost-centre rows of one line confirmed in the dialog, placeholders put in by ActualizaHayCuentasCC2 -- (lote)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',44,'H','COMP','   1','14/03/2025',3,'5.1.03.002',2,'0102',33.33,69.99)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',44,'H','COMP','   1','14/03/2025',3,'5.1.03.002',2,'0101',66.67,140.01)

-- ClsCCosto.SCriptCCosto2: cost-centre rows written from the pending lines -- (lote)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',45,'H','COMP','   1','14/03/2025',3,'5.1.03.002',2,'0102',50,105)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',45,'H','COMP','   1','14/03/2025',3,'5.1.03.002',1,'0101',50,105)

-- ClsCCosto.LeeCCosto: copy of stored cost-centre rows under a new entry number -- (lote)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',45,'H','COMP','   1','14/03/2025',3,'5.1.03.002',2,'0101',50,105)
INSERT INTO MV_ASIENTOSCCOSTO (PERIODO,[NUMERO ASIENTO],[DEBE-HABER],Tipo_Reg,Moneda,Fecha,MES_OPERATIVO,CUENTA,SECUENCIA,CCosto,Porcentaje,Importe) VALUES ('2025',45,'H','COMP','   1','14/03/2025',3,'5.1.03.002',2,'0102',50,105)

-- FrmConfirmaCCosto.CargarTablasDist: named distribution tables (GROUP BY)
SELECT CODIGO,NOMBRE,CONCEPTO FROM MA_CUENTAS_CCDIST GROUP BY CODIGO,NOMBRE,CONCEPTO ORDER BY CODIGO

-- FrmConfirmaCCosto.cboTablasDist_Click: rows of the chosen distribution table
SELECT * FROM MA_CUENTAS_CCDIST WHERE CODIGO='D001'

-- FrmConfirmaCCosto.cboTablasDist_Click: description of a cost centre (DatosTabla)
SELECT TOP 1 * FROM TA_CCOSTO WHERE LTRIM(RTRIM(Codigo)) ='0101' 

-- FrmConfirmaCCosto.CargarCcostos: distribution table of the account
SELECT CC_DIST FROM MA_CUENTAS WHERE CODIGO='5.1.03.002'

-- FrmConfirmaCCosto.CargarCcostos: rows of the account's distribution table
SELECT * FROM MA_CUENTAS_CCDIST WHERE CODIGO = 'D001'

-- FrmConfirmaCCosto.CargarCcostos: fixed split of the account
SELECT * FROM MA_CUENTASCCOSTO WHERE CODIGO = '5.1.03.002'

-- FrmConfirmaCCosto.CargarCcostos: split of the account for the user's business unit
SELECT * FROM MA_CUENTASCCOSTO_UNEG WHERE CODIGO = '5.1.03.002' AND UNEGOCIO = '   1'

-- FrmConfirmaCCosto.CargarCcostos: account description for the heading (DatosTabla)
SELECT TOP 1 * FROM MA_CUENTAS WHERE LTRIM(RTRIM(Codigo)) ='5.1.03.002' 

-- FrmConfirmaCCosto.CargarCcostos: account uses cost centres without any split (ExisteEnTabla with condition)
SELECT TOP 1 * FROM MA_CUENTAS WHERE CODIGO='5.1.03.002' AND USACCOSTOS=1

-- FrmConfirmaCCosto.Pideconfirmacion: confirmation flag of the distribution table
SELECT PIDECONFIRMACION FROM MA_CUENTAS_CCDIST WHERE CODIGO='D001'

-- FrmConfirmaCCosto.CampoValida: cost centre exists (ExisteEnTabla)
SELECT TOP 1  * FROM TA_CCOSTO WHERE LTRIM(RTRIM(CODIGO)) ='0102'

-- FrmConfirmaCCosto.AbrirRecordset: one-row probe of a table
SELECT TOP 1 * FROM TA_CCOSTO
