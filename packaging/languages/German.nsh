LangString FinishRunText ${LANG_GERMAN} "${PRODUCT} beim Anmelden starten"
LangString FinishShowReadmeText ${LANG_GERMAN} "${PRODUCT} jetzt ausführen"
LangString ClosingRunningText ${LANG_GERMAN} "Laufendes ${PRODUCT} wird geschlossen"
LangString RemoveSettingsQuestion ${LANG_GERMAN} "Auch Ihre ${PRODUCT}-Einstellungen und die Countdown-Liste entfernen?$\r$\n$\r$\nWählen Sie „Nein“, um sie für eine spätere Installation zu behalten."
