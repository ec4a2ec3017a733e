LangString FinishRunText ${LANG_POLISH} "Uruchamiaj ${PRODUCT} po zalogowaniu"
LangString FinishShowReadmeText ${LANG_POLISH} "Uruchom ${PRODUCT} teraz"
LangString ClosingRunningText ${LANG_POLISH} "Zamykanie uruchomionego programu ${PRODUCT}"
LangString RemoveSettingsQuestion ${LANG_POLISH} "Usunąć również ustawienia i listę odliczania programu ${PRODUCT}?$\r$\n$\r$\nWybierz Nie, aby zachować je na potrzeby późniejszej instalacji."
