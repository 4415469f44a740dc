#Doku=1
Procedure.s zDoku(xFkt$)
Define vText$
Select xFkt$
  Case "V"  ;.--- PgmVersion ---
       vText$+"  V 1.00"
  Case "A"  ;.--- PgmAenderung ---
       vText$+"V 1.00 10.03.2015 (*RV) Programm erstellt"+#Nz
  Case "D"  ;.--- PgmDoku ---
EndSelect
ProcedureReturn vText$
EndProcedure 
