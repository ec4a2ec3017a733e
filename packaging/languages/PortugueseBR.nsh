LangString FinishRunText ${LANG_PORTUGUESEBR} "Iniciar o ${PRODUCT} quando eu entrar"
LangString FinishShowReadmeText ${LANG_PORTUGUESEBR} "Executar o ${PRODUCT} agora"
LangString ClosingRunningText ${LANG_PORTUGUESEBR} "Fechando o ${PRODUCT} em execução"
LangString RemoveSettingsQuestion ${LANG_PORTUGUESEBR} "Remover também as configurações e a lista da contagem regressiva do ${PRODUCT}?$\r$\n$\r$\nEscolha Não para mantê-las para uma instalação futura."
