LangString FinishRunText ${LANG_JAPANESE} "サインイン時に ${PRODUCT} を起動する"
LangString FinishShowReadmeText ${LANG_JAPANESE} "今すぐ ${PRODUCT} を実行する"
LangString ClosingRunningText ${LANG_JAPANESE} "実行中の ${PRODUCT} を終了しています"
LangString RemoveSettingsQuestion ${LANG_JAPANESE} "${PRODUCT} の設定とカウントダウン リストも削除しますか?$\r$\n$\r$\n今後のインストールのために残しておく場合は [いいえ] を選んでください。"
