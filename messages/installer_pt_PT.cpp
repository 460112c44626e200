// European Portuguese texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Zarni Installer"},
    {"usage_cmd_list_tail",
     "Exemplos:\n"
     "  Listar os produtos disponíveis:\n"
     "    list\n"
     "  Listar as versões mais recentes do Zarni disponíveis nas camadas predefinidas:\n"
     "    list %1%\n"
     "  Listar todas as versões do Zarni disponíveis:\n"
     "    list %1% all\n"
     "  Mostrar a versão de pré-visualização mais recente do Zarni (camada 'testing'):\n"
     "    list %1% testing\n"
     "  Listar os componentes do Zarni %2% (selecionado por ID de produto e versão):\n"
     "    list %1% %2% --components\n"
     "  Listar as predefinições de instalação do Zarni %2% (selecionado por ID de versão):\n"
     "    list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Exemplos:\n"
     "  Instalar o conjunto recomendado de componentes da versão mais recente do\n"
     "  Zarni disponível para todos:\n"
     "    install\n"
     "  Instalar a versão de pré-visualização mais recente do Zarni:\n"
     "    install testing\n"
     "  Instalar o Zarni %2% (selecionado pela versão):\n"
     "    install %1% %2%\n"
     "  Instalar o conjunto completo de componentes do Zarni sem suporte de Java nem\n"
     "  webmail Horde (versão selecionada por ID):\n"
     "    install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Exemplos:\n"
     "  Atualizar para o Zarni %2% (selecionado por ID de produto e versão):\n"
     "    upgrade %1% %2%\n"
     "  Atualizar para o Zarni %2% (selecionado por ID de versão):\n"
     "    upgrade %3%\n"
     "  Atualizar para a versão estável mais recente do Zarni:\n"
     "    upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Exemplos:\n"
     "  Instalar as atualizações mais recentes de todos os produtos instalados:\n"
     "    update\n"
     "  Atualizar a instalação do Zarni:\n"
     "    update %1%\n"
     "  Instalar apenas as atualizações do Zarni, sem atualizar, se possível, outros\n"
     "  serviços geridos pelo Zarni (aplicável apenas ao produto '%1%'):\n"
     "    update --panel-only\n"},
    {"usage_selector",
     "Cada SELECTOR é um dos seguintes:\n"
     "  ID de produto,       por exemplo '%1%'\n"
     "  camada de lançamento, por exemplo 'stable', ou 'all' para não filtrar\n"
     "  versão,              por exemplo '%2%'\n"
     "  ID de versão,        por exemplo '%3%'\n"
     "\n"
     "Utilize o comando 'list' para verificar quais os seletores válidos.\n"
     "\n"},
    {"usage_product",
     "PRODUCT é um seletor de ID de produto, por exemplo '%1%'.\n"
     "Utilize o comando 'list' para verificar quais os IDs de produto válidos.\n"},
    {"download_file", "A transferir o ficheiro "},
    {"download_total_progress", "(%s de %s) "},
    {"download_retry_progress", " (tentativa %s de %s)"},
    {"download_retry", "%s. Nova tentativa dentro de %s segundo(s)..."},
    {"progress_stage_init", "O Zarni Installer foi iniciado"},
    {"progress_stage_prep", "A preparar o sistema"},
    {"progress_stage_resolv", "A resolver pacotes"},
    {"progress_stage_download", "A transferir pacotes"},
    {"dpkg_register_new_arch", "A registar o suporte da arquitetura %s"},
    {"examine_unpassed", "A validação dos componentes e do produto detetou pelo menos um problema importante:"},
    {"examine_post_results", "Resultados da verificação dos componentes e do produto:"},
    {"examine_signal", "A verificação foi terminada pelo sinal %s."},
    {"examine_time_limit", "A verificação não terminou em %s segundos e foi interrompida."},
    {"check_system_packages", "A verificar os pacotes instalados... "},
    {"read_system_packages", "A obter informações sobre os pacotes instalados... "},
    {"status_not_locked", "O Zarni Installer não está em execução."},
    {"status_locked_by_another", "A operação de atualização foi bloqueada por outro processo de atualização."},
    {"status_daemon_launched", "O daemon do Zarni Installer foi iniciado."},
    {"status_busy", "Já está em execução outra instância do Zarni Installer."},
    {"error_sys_stable", "Nem todos os pacotes foram instalados."},
    {"error_sys_unsure", "Aviso! Nem todos os pacotes foram instalados.\nVerifique se os serviços do sistema estão operacionais."},
    {"error_sys_broken", "Atenção! O seu software pode não estar operacional."},
    {"error_rep_none", ""},
    {"error_rep_again", "Tente instalar novamente os pacotes mais tarde."},
    {"error_supp_none", "Resolva este problema e tente instalar novamente os pacotes."},
    {"components_allready_installed", "Já tem instalada a versão mais recente do(s) produto(s) e todos os componentes selecionados. A instalação não vai continuar."},
    {"releases_no_avail", "A instalação não vai continuar porque o seu sistema operativo\n\"%s\" não é suportado.\n\nConsulte as notas de versão do Zarni para obter a lista completa\nde sistemas operativos suportados.\n"},
    {"insttypes_page_hdr1", "Selecione o tipo de instalação para %s"},
    {"components_page_body2", "Selecione os componentes de %s que pretende instalar:"},
    {"components_page_num_selected", "%s de %s componentes selecionados"},
    {"options_page_body2", "É necessário especificar parâmetros para %s componentes.\n"},
    {"options_page_body5", "\nComponente '%s': todos os parâmetros obrigatórios foram definidos.\n"},
    {"packages_page_body_install", "Existem %s pacotes necessários para o bom funcionamento do produto que\nnão foram encontrados no sistema.\n"},
    {"packages_page_body_upgrade", "Existem %s pacotes que têm de ser atualizados\npara instalar o produto.\n"},
    {"packages_page_body_remove", "Existem %s pacotes instalados que serão removidos.\n"},
    {"install_start", "A aplicar as alterações ao sistema"},
    {"install_ok", "As alterações foram aplicadas com êxito."},
    {"err_send_mail", "Aviso: falha ao enviar o relatório da instalação por email."},
    {"err_read_prodsinfo", "Falha ao ler as informações do produto a partir do ficheiro "},
    {"warn_deprecated_option", "AVISO: a opção de linha de comandos '%s' foi descontinuada e será ignorada."},
    {"err_chk_md5", "Falha ao calcular uma soma de verificação para o ficheiro "},
    {"new_build_avail", "Aviso: está disponível no servidor uma nova compilação do produto."},
    {"added_comps_by_deps", "Os seguintes componentes serão instalados porque são necessários aos componentes selecionados:"},
    {"removed_comps_by_deps", "Os seguintes componentes serão removidos porque estão em conflito com os componentes que selecionou para instalar ou exigem os componentes que selecionou para remover:"},
    {"err_dep_from_pkg_unresolved", "%s: não foram encontradas soluções adequadas\npara a dependência \"%s\".\n"},
    {"err_pkg_downgrade", "Não é possível reverter o pacote '%s' para a versão %s:\n  está instalada a versão %s."},
    {"err_pkg_clash", "Os pacotes \"%s\" e \"%s\" não podem ser instalados ao mesmo tempo"},
    {"err_pkg_fileconfl", "devido ao conflito com o ficheiro \"%s\""},
    {"err_pkg_depconfl", "porque \"%s\" está em conflito com \"%s\"."},
    {"pkg_select_reason", "O pacote \"%s\" foi escolhido devido às seguintes dependências:"},
    {"pkg_select_depend", "    \"%s\" de \"%s\""},
    {"deps_report_head", "O seguinte pode ter causado a falha da instalação:"},
    {"deps_long_report", "Foram também encontrados outros problemas. Para mais detalhes,\nconsulte o ficheiro de registo: %s.\n"},
    {"user_canceled", "Interrompido pelo utilizador"},
    {"goto_webinterface_url", "\nA interface web foi iniciada.\n  Abra %s no seu browser.\n\n"},
    {"upgrade_from_not_supported_versions", "Só pode atualizar o %s para a versão %s ou anterior. Se pretender atualizar para a versão mais recente, consulte o seguinte artigo: %s"},
    {"stop_already_stopped", "O Zarni Installer não está em execução."},
    {"stop_sent", "Foi pedida a paragem do instalador do Zarni."},
    {"download_completed", "já transferido"},
    {"download_done", "concluído"},
    {"download_all_done", "Todos os ficheiros foram transferidos."},
    {"download_ext_catalog_feed", "A transferir o feed do Extensions Catalog..."},
    {"process_apt_get_update", "A atualizar o índice de pacotes APT..."},
    {"question_continue", "Pretende continuar?"},
    {"question_show_settings",
     "Isto pode dever-se a um problema com a origem da instalação, com a ligação ou com as definições do instalador.\n"
     "O instalador vai terminar devido a um erro irrecuperável.\n"
     "Pretende ver as definições atuais do instalador e como alterá-las?"},
    {"examine_presetup", "A verificar os componentes e o produto antes da instalação"},
    {"examine_postsetup", "A verificar os componentes e o produto após a instalação"},
    {"examine_perform", "A verificar os componentes e o produto..."},
    {"examine_skip_yesno",
     "Prosseguir com a instalação ou atualização sem resolver os problemas\n"
     "encontrados pode danificar os seus dados.\n"},
    {"wizard_current_settings", "Definições atuais:"},
    {"yesno_retry", "Escreva Y para sim (yes) ou N para não (no)"},
    {"message_press_enter", "(prima Enter para continuar)"},
    {"releases_reporter_no_updates", "Não existem atualizações disponíveis."},
    {"releases_reporter_list_empty", "Não existem produtos disponíveis para instalação."},
    {"releases_page_hdr", "Produtos e versões"},
    {"releases_page_body", "Estão disponíveis as seguintes versões de produtos:"},
    {"releases_no_selected", "Não foi selecionada nenhuma versão de produto."},
    {"releases_upgrade_request1", "Tem a versão do produto "},
    {"releases_upgrade_request2",
     " instalada.\n"
     "Pretende atualizá-la?"},
    {"wizard_legend_header", "Ações disponíveis:"},
    {"wizard_legend_f_forward", "(F) Avançar"},
    {"wizard_legend_b_back", "(B) Voltar"},
    {"wizard_legend_q_quit", "(Q) Cancelar a instalação"},
    {"wizard_legend_s_advanced_settings", "(S) Mostrar as definições avançadas"},
    {"wizard_legend_a_select_all", "(A) Selecionar tudo"},
    {"wizard_legend_d_deselect_all", "(D) Desmarcar tudo"},
    {"wizard_legend_f_forward_specify_params", "(F) Avançar e especificar os parâmetros"},
    {"wizard_legend_f_forward_skip_params", "(F) Avançar sem alterar os parâmetros"},
    {"wizard_legend_u_specify_undefined_params",
     "(U) Avançar e especificar apenas os parâmetros não definidos"},
    {"wizard_legend_r_redefine_params_all", "(R) Redefinir todos os parâmetros"},
    {"wizard_legend_r_redefine_params_one", "(R) Redefinir os parâmetros deste componente"},
    {"wizard_legend_s_show_packages", "(S) Mostrar a lista de pacotes"},
    {"wizard_prompt_action", "Selecione uma ação"},
    {"wizard_prompt_action_retry", "Escreva um dos carateres da legenda acima"},
    {"wizard_prompt_action_or_number", "Selecione uma ação ou um número"},
    {"wizard_prompt_action_or_number_retry",
     "Escreva um número ou um caráter de ação da legenda acima"},
    {"wizard_prompt_number", "Selecione um número"},
    {"wizard_prompt_number_retry", "Escreva um dos números da lista acima"},
    {"hello_page_hdr", "Assistente de instalação e atualização do Zarni"},
    {"hello_page_body",
     "Este assistente ajuda-o a instalar o Zarni, a atualizá-lo para uma versão mais\n"
     "recente e a adicionar ou remover os respetivos componentes.\n"
     "\n"
     "------ IMPORTANTE ------\n"
     "\n"
     "* Faça uma cópia de segurança dos dados antes de atualizar o Zarni ou de\n"
     "  remover qualquer um dos respetivos componentes.\n"
     "\n"
     "* Não interrompa a instalação enquanto os pacotes estão a ser instalados.\n"
     "\n"
     "* O Zarni é distribuído ao abrigo do Contrato de Licença de Utilizador Final\n"
     "  do Zarni. Leia os respetivos termos em http://www.zarni.example/legal/terms/\n"
     "  antes de continuar: ao instalar o Zarni, aceita-os.\n"},
    {"source_product_source", " Instalar produtos a partir de: "},
    {"source_target_dir", " Guardar os ficheiros transferidos em: "},
    {"source_from_zarni", "o servidor de atualizações do Zarni"},
    {"source_from_network", "a localização de rede"},
    {"source_from_local", "o diretório local"},
    {"proxy_no_proxy", " Não utilizar um proxy"},
    {"proxy_no_auth", " Não utilizar a autenticação do proxy"},
    {"proxy_proxy_host", " Utilizar o proxy HTTP (anfitrião:porta): "},
    {"proxy_auth", " Utilizar a autenticação do proxy, nome de utilizador: "},
    {"settings_download_retries", " Número de novas tentativas de uma transferência falhada: "},
    {"settings_page_hdr", "Definições avançadas"},
    {"settings_page_body",
     "Estas definições (localização dos pacotes de distribuição dos produtos,\n"
     "armazenamento dos ficheiros transferidos, definições do proxy, definições de\n"
     "transferência) podem ser definidas na linha de comandos ou no ficheiro de\n"
     "configuração.\n"
     "\n"
     " Linha de comandos          | Ficheiro de configuração | Resumo\n"
     "----------------------------+--------------------------+----------------------\n"
     " --source <URL ou caminho>  | SOURCE=<URL ou caminho>  | origem da instalação\n"
     " --target <dir>             | TARGET=<dir>             | diretório de destino\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | anfitrião do proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | porta do proxy\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | utilizador do proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | palavra-passe do proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | novas tentativas\n"
     "\n"
     "Os argumentos da linha de comandos têm prioridade sobre o ficheiro de\n"
     "configuração. O instalador lê o ficheiro de configuração ao iniciar; escreva\n"
     "cada definição numa linha própria, por exemplo PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Localização do ficheiro de configuração do instalador: "},
    {"insttypes_page_hdr", "Tipos de instalação"},
    {"insttypes_page_body",
     "Um tipo de instalação é um conjunto predefinido de componentes. Selecione um deles:"},
    {"components_page_hdr", "Lista de componentes principais"},
    {"components_page_hdr1", "Lista de componentes principais de "},
    {"components_page_body1", "Mostrar os componentes do produto:"},
    {"components_page_body3", "Selecione os componentes que pretende instalar:"},
    {"components_page_bottom_toggle_components",
     "Introduza um número para alternar o componente respetivo."},
    {"components_page_bottom_toggle_groups",
     "Introduza um número para alternar o componente respetivo ou ver o grupo (marcado com <+>)."},
    {"components_toggle_also", "Para alternar o estado deste componente, também tem de"},
    {"components_install_also", "instalar ou atualizar os seguintes componentes: "},
    {"components_install_remove_them", "Pretende fazê-lo?"},
    {"components_remove_also", "remover os seguintes componentes: "},
    {"components_unmark_also", "desmarcar os seguintes componentes: "},
    {"components_atleast_one", "Para continuar, tem de selecionar pelo menos um componente."},
    {"components_deny_implicit_remove",
     "Para remover este componente ou grupo de componentes, tem primeiro de remover os componentes que não podem ser removidos implicitamente: "},
    {"components_group_toggle_also", "Para alternar o estado destes componentes, também tem de"},
    {"components_group_deny_conflict",
     "Não é possível alternar o estado destes componentes porque isso quebraria as dependências dos seguintes componentes: "},
    {"components_group_deny_conflict_suggestion", "Em vez disso, tente alternar os componentes um a um."},
    {"need_also_message",
     "Os componentes selecionados vão exigir a instalação de pacotes dos seguintes componentes: \n"},
    {"need_also_remove_message",
     "Os componentes selecionados vão exigir a remoção de pacotes dos seguintes componentes: \n"},
    {"options_page_hdr", "Parâmetros dos componentes"},
    {"options_page_body1",
     " componentes selecionados para instalação exigem que especifique determinados parâmetros.\n"},
    {"options_page_body3", "Tem de especificar agora todos os parâmetros obrigatórios.\n"},
    {"options_page_body4", "Os parâmetros de todos estes componentes já estão definidos.\n"},
    {"packages_page_hdr", "Alterações aos pacotes"},
    {"packages_no_reqpackages", "Não é necessário instalar, atualizar nem remover pacotes."},
    {"install_remove", "A remover pacotes: "},
    {"install_again",
     "Nota: "
     "foi lançada uma nova compilação do produto enquanto o Zarni Installer instalava os pacotes.\n"
     "Pretende instalá-la?"},
    {"install_install_package", "A instalar pacotes: "},
    {"checking_comps_status", "A detetar os componentes do produto instalados."},
    {"checking_deps", "A verificar as dependências dos pacotes..."},
    {"err_set_proxyvar",
     "Aviso: falha ao definir a variável de ambiente do proxy para o gestor de pacotes."},
    {"err_no_librpm",
     "Erro: não é possível carregar a librpm, a biblioteca que lê a base de dados de pacotes RPM."},
    {"err_no_pagers", "Aviso: não foi possível encontrar os utilitários 'less' nem 'more'."},
    {"installling_pkgs", "A instalar pacotes"},
    {"installing_pkglist", "A instalar os seguintes pacotes:"},
    {"warn_apt_cdrom_in_source",
     "Aviso: a lista de origens do APT contém uma origem CD/DVD. O Zarni Installer\n"
     "pode parar e esperar pelo disco. Se o disco não estiver disponível, remova as\n"
     "linhas cdrom de /etc/apt/sources.list e dos ficheiros em\n"
     "/etc/apt/sources.list.d/ e execute novamente a instalação."},
    {"retype_password", "Escreva novamente a palavra-passe: "},
    {"webinterface_exit_by_timeout",
     " O Zarni Installer foi fechado devido a um longo período de inatividade."},
    {"ask_customer_feedback",
     "Pretende ajudar a melhorar o Zarni enviando relatórios de erros aos\n"
     "programadores do Zarni quando ocorrer um problema?"},
    {"press_enter_to_exit", "Prima ENTER para sair ..."},
    {"comps_no_options", "Nenhum dos componentes listados tem definições."},
    {"options_select_all_IPs", "Selecionar todos os endereços IP"},
    {"searching_need_pkgs", "A procurar os pacotes necessários..."},
    {"confirm_uninstallation", "Pretende mesmo remover o %s e todos os respetivos componentes?"},
    {"confirm_uninstallation_title", "Remoção do %s"},
    {"cancel_uninstallation", "Cancelar a remoção"},
    {"error_supp_maybe",
     "Resolva este problema e tente instalar novamente os pacotes.\n"
     "Pode procurar uma solução no site de suporte do Zarni em https://support.zarni.example/"},
    {"usage_header",
     "Utilização: installer [OPTIONS]\n"
     "\n"
     "O Zarni Installer instala, atualiza e remove os produtos Zarni e os respetivos\n"
     "componentes. Executado sem opções, inicia o assistente interativo na consola.\n"
     "\n"},
    {"usage_download",
     " Opções de transferência:\n"
     "    --source <URL ou caminho absoluto>\n"
     "                         Obter os produtos a partir do servidor de atualizações\n"
     "                         ou espelho indicado, ou de um diretório local.\n"
     "                         Valores de exemplo:\n"
     "                           http://updates.zarni.example/\n"
     "                           http://mirror.zarni.example/zarni/\n"
     "                           /root/kestavine/mirror/\n"
     "\n"
     "    --target <dir>       Guardar os ficheiros transferidos no diretório indicado.\n"
     "                         Valor de exemplo:\n"
     "                           /root/kestavine\n"
     "\n"
     "    --download-retry-count <number>\n"
     "                         Quantas vezes uma transferência falhada é repetida\n"
     "                         (predefinição: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opções de proxy:\n"
     "    --proxy-host <host>  Nome de anfitrião ou endereço IP do servidor proxy.\n"
     "\n"
     "    --proxy-port <port>  Porta do servidor proxy (predefinição: 3128).\n"
     "\n"
     "    --proxy-user <user>  Nome de utilizador para a autenticação do proxy.\n"
     "\n"
     "    --proxy-password <password>\n"
     "                         Palavra-passe para a autenticação do proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opções de seleção de produto e versão:\n"
     "    --select-product-id <product id>\n"
     "                         Selecionar o produto a que se referem as opções\n"
     "                         seguintes. Escolha a versão do produto com uma destas\n"
     "                         opções:\n"
     "                           --select-release-id, --select-release-latest,\n"
     "                           --select-release-current\n"
     "\n"
     "    --select-release-id <release id>\n"
     "                         Selecionar a versão com o ID indicado.\n"
     "\n"
     "    --select-release-latest\n"
     "                         Selecionar a versão mais recente disponível do produto.\n"
     "\n"
     "    --select-release-current\n"
     "                         Selecionar a versão instalada do produto.\n"
     "\n"
     "    --tier <tiers> Disponibilizar apenas as versões das camadas indicadas, numa\n"
     "                         lista separada por vírgulas como stable,testing. A\n"
     "                         predefinição é \"stable,release,current\".\n"
     "\n"
     "    --all-versions       Não filtrar as versões por camada. Com esta opção, o\n"
     "                         instalador disponibiliza as versões de todas as\n"
     "                         camadas, incluindo as de pré-visualização.\n"
     "\n"},
    {"usage_install",
     " Opções de instalação:\n"
     "    --installation-type <type name>\n"
     "                         Instalar os componentes do tipo de instalação indicado\n"
     "                         (por exemplo, 'Recommended' ou 'Full') da versão do\n"
     "                         produto selecionada.\n"
     "                         Exemplos:\n"
     "                         1) os componentes recomendados do Zarni mais recente:\n"
     "                           --select-product-id zarni --select-release-latest \\\n"
     "                           --installation-type Recommended\n"
     "                         2) todos os componentes da versão ZARNI_12_5_30 do Zarni:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --installation-type Full\n"
     "\n"
     "    --install-component <component Id.>\n"
     "                         Instalar o componente indicado da versão do produto\n"
     "                         selecionada. Repita a opção para instalar vários\n"
     "                         componentes.\n"
     "                         Exemplos:\n"
     "                         1) adicionar o webmail Horde ao Zarni instalado:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --install-component horde\n"
     "                         2) instalar o Zarni 12.5.30 com o painel e o Postfix:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --install-component panel --install-component postfix\n"
     "\n"
     "    --set-option <setting_name>=<setting_value>\n"
     "                         Definir uma definição de componente do produto indicado\n"
     "                         pela opção --select-product-id anterior. Repita a opção\n"
     "                         para definir várias definições.\n"
     "\n"},
    {"usage_remove",
     " Opções de remoção:\n"
     "    --remove-component <component id>\n"
     "                         Remover o componente indicado do produto selecionado.\n"
     "                         Repita a opção para remover vários componentes.\n"
     "                         Exemplos:\n"
     "                         1) remover o webmail Horde do Zarni:\n"
     "                           --select-product-id zarni --remove-component horde\n"
     "                         2) remover dois componentes de uma vez:\n"
     "                           --select-product-id zarni \\\n"
     "                           --remove-component horde \\\n"
     "                           --remove-component postfix\n"
     "\n"
     "    --remove-everything  Remover todos os componentes do produto selecionado, ou\n"
     "                         seja, remover o próprio produto.\n"
     "                         Exemplo (remover o Zarni):\n"
     "                           --select-product-id zarni --remove-everything\n"
     "\n"
     "    --interactive-uninstall\n"
     "                         Juntamente com --remove-everything, esperar por Enter\n"
     "                         antes de o Zarni Installer terminar.\n"
     "\n"},
    {"usage_upgrade",
     " Opções de atualização:\n"
     "    --upgrade-installed-components\n"
     "                         Atualizar os componentes instalados do produto\n"
     "                         selecionado para a versão selecionada.\n"
     "                         Exemplos:\n"
     "                         1) instalar as atualizações mais recentes do Zarni instalado:\n"
     "                           --select-product-id zarni --select-release-current \\\n"
     "                           --upgrade-installed-components\n"
     "                         2) atualizar o Zarni para a versão ZARNI_12_5_30:\n"
     "                           --select-product-id zarni \\\n"
     "                           --select-release-id ZARNI_12_5_30 \\\n"
     "                           --upgrade-installed-components\n"
     "\n"
     "    --include-components-from-class <class>\n"
     "                         Atualizar apenas os componentes instalados do produto\n"
     "                         selecionado que pertencem à classe indicada, por exemplo\n"
     "                         aspect=panel. Repita a opção para indicar várias\n"
     "                         classes.\n"
     "\n"},
    {"usage_no_warn",
     " Opções de verificação de componentes:\n"
     "    --skip-components-check\n"
     "                         Não executar as verificações dos componentes e do produto\n"
     "                         antes e depois da instalação. O Zarni Installer executa\n"
     "                         estas verificações para encontrar problemas que possam\n"
     "                         danificar os seus dados; ignore-as apenas se tiver a\n"
     "                         certeza de que a instalação é segura.\n"
     "\n"},
    {"usage_list",
     " Opções para listar produtos, versões e componentes:\n"
     "    --show-releases      Listar as versões disponíveis do produto selecionado\n"
     "                         (o Zarni, se não estiver selecionado nenhum produto),\n"
     "                         com os respetivos IDs de versão e camadas. O Zarni\n"
     "                         Installer lista apenas as versões das camadas \"stable\",\n"
     "                         \"release\" e \"current\", a não ser que utilize\n"
     "                         --all-versions ou indique outras camadas com --tier.\n"
     "\n"
     "    --show-all-releases  Listar todos os produtos disponíveis e as respetivas versões.\n"
     "\n"
     "    --show-os-list       Listar os sistemas operativos para os quais a versão\n"
     "                         selecionada foi compilada.\n"
     "\n"
     "    --show-installation-types\n"
     "                         Listar os tipos de instalação da versão selecionada.\n"
     "\n"
     "    --show-components    Listar os componentes da versão selecionada e indicar\n"
     "                         se cada um está instalado, pode ser atualizado ou está\n"
     "                         atualizado. Utilize os IDs de componente apresentados\n"
     "                         com --install-component e --remove-component.\n"
     "\n"
     "    --show-upgradable-components\n"
     "                         Listar apenas os componentes que podem ser atualizados.\n"
     "\n"
     "    --show-options       Juntamente com --show-components, mostrar também as\n"
     "                         definições de cada componente. Não pode ser combinada\n"
     "                         com --show-upgradable-components.\n"
     "\n"
     "    --show-packages      Juntamente com as opções de instalação, atualização ou\n"
     "                         remoção, mostrar apenas os pacotes que seriam\n"
     "                         instalados [I], atualizados [U] ou removidos [R], sem\n"
     "                         alterar nada.\n"
     "\n"},
    {"usage_automation",
     " Opções de automatização:\n"
     "    --enable-xml-output Imprimir as respostas e as mensagens de estado em formato\n"
     "                         XML, para scripts e outros programas. Nesse caso, a\n"
     "                         instalação é executada em segundo plano.\n"
     "\n"
     "    --query-status Mostrar se o Zarni Installer está em execução e, se estiver,\n"
     "                         a fase e o passo do seu trabalho. O estado da resposta\n"
     "                         é um dos seguintes:\n"
     "                           query_ok   - o Zarni Installer não está em execução\n"
     "                           query_busy - o Zarni Installer está em execução\n"
     "\n"
     "    --check-updates      Verificar se existem atualizações disponíveis para o\n"
     "                         produto selecionado (o Zarni, se não estiver\n"
     "                         selecionado nenhum produto).\n"
     "                         Exemplo:\n"
     "                           --select-product-id zarni --check-updates\n"
     "\n"
     "    --no-daemon Com --enable-xml-output, instalar em primeiro plano e esperar\n"
     "                         até a instalação terminar.\n"},
    {"usage_web",
     " Web interface options:\n"
     "    --web-interface      Executar o assistente de instalação num browser em vez\n"
     "                         da consola. O assistente é servido na porta 8447.\n"
     "\n"
     "    --ssl-cert <file.pem>\n"
     "                         Ficheiro com o certificado e a chave privada para\n"
     "                         HTTPS. Por predefinição, é criado um certificado\n"
     "                         autoassinado.\n"
     "\n"
     "    --without-ssl        Servir a interface web através de HTTP simples.\n"},
    {"usage_override",
     " Opções que substituem o sistema operativo detetado\n"
     "    --override-os-name <arg>\n"
     "                         Utilizar o nome de sistema operativo indicado em vez do\n"
     "                         detetado.\n"
     "\n"
     "    --override-os-vendor <arg>\n"
     "                         Utilizar o fornecedor de sistema operativo indicado em\n"
     "                         vez do detetado.\n"
     "\n"
     "    --override-os-version <arg>\n"
     "                         Utilizar a versão de sistema operativo indicada em vez\n"
     "                         da detetada.\n"
     "\n"
     "    --override-os-arch <arg>\n"
     "                         Utilizar a arquitetura indicada em vez da detetada.\n"
     "\n"
     "    --override-environment <arg>\n"
     "                         Utilizar o ambiente indicado em vez do detetado:\n"
     "                         'dedicated' ou 'cq'.\n"
     "\n"},
    {"usage_console",
     " Opções da interface de consola interativa:\n"
     "    --no-clear Não limpar o ecrã ao passar de uma página do assistente para\n"
     "                         outra.\n"
     "\n"},
    {"usage_feedback",
     " Opções de feedback:\n"
     "    --enable-feedback Permitir que o Zarni Installer envie um relatório de erros\n"
     "                         aos programadores do Zarni quando ocorrer um problema.\n"
     "\n"
     "    --disable-feedback Não enviar relatórios de erros. O Zarni Installer memoriza\n"
     "                         a escolha para as execuções seguintes.\n"
     "\n"},
    {"usage_logging",
     " Opções de registo e notificação:\n"
     "    --notify-email <email>\n"
     "                         Quando o Zarni Installer terminar, enviar um relatório\n"
     "                         sobre o resultado para o endereço de email indicado.\n"
     "\n"
     "    --truncate-log Esvaziar o ficheiro de registo do Zarni Installer ao iniciar.\n"
     "\n"
     "    --separate-logs Escrever um ficheiro de registo separado para cada execução\n"
     "                         do Zarni Installer.\n"
     "\n"
     "    --debug              Escrever informações de depuração no ficheiro de registo.\n"
     "\n"},
    {"usage_help",
     " Opções de ajuda e versão do Zarni Installer:\n"
     "    --version            Mostrar a versão do Zarni Installer.\n"
     "\n"
     "    --usage,\n"
     "    --help               Mostrar a descrição geral da interface baseada em\n"
     "                         comandos.\n"
     "\n"
     "    --help-options       Mostrar esta ajuda sobre a interface baseada em opções.\n"
     "\n"},
    {"usage_obsolete",
     " Opções obsoletas:\n"
     "    --disable-zarni-sys-updates\n"
     "                         Servia para desativar as atualizações do sistema\n"
     "                         operativo fornecidas com o Zarni. Ainda é aceite, mas\n"
     "                         já não altera o que é instalado.\n"
     "\n"
     "    --install-everything\n"
     "                         Instalar todos os componentes da versão do produto\n"
     "                         selecionada. Utilize antes --installation-type 'Full'.\n"
     "\n"
     "    --branch <tiers>     O mesmo que --tier.\n"
     "\n"
     "    --skip-branch-filter\n"
     "                         O mesmo que --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opções descontinuadas (aceites, mas ignoradas com um aviso):\n"
     "    --source-type Servia para definir o tipo da origem da instalação. O tipo\n"
     "                         é agora reconhecido a partir do valor de --source.\n"
     "\n"
     "    --add-source         Servia para adicionar uma origem de pacotes extra.\n"
     "\n"
     "    --show-additional-source-types\n"
     "                         Servia para listar os tipos de origens de pacotes extra.\n"
     "\n"
     "    --show-additional-sources\n"
     "                         Servia para listar as origens de pacotes extra.\n"
     "\n"
     "    --mirror-os          Servia para espelhar versões de produtos para outro\n"
     "                         sistema operativo.\n"
     "\n"
     "    --install-system-only\n"
     "                         Servia para instalar apenas os pacotes de sistema do\n"
     "                         Zarni Tenebrin.\n"
     "\n"
     "    --allow-kernel-install\n"
     "                         Servia para permitir a instalação de pacotes do kernel.\n"
     "\n"
     "    --disable-major-updates\n"
     "                         Servia para impedir atualizações para uma nova versão\n"
     "                         principal. Em vez disso, selecione a versão a instalar\n"
     "                         com --select-release-id ou --select-release-current.\n"
     "\n"
     "    --upgrade-system-packages\n"
     "                         Servia para atualizar também os pacotes do sistema\n"
     "                         operativo.\n"
     "\n"
     "    --reinstall-patch    Servia para reinstalar a correção mais recente dos\n"
     "                         produtos selecionados. A interface baseada em comandos\n"
     "                         ignora --repatch da mesma forma.\n"
     "\n"
     "    --skip-patch         Servia para ignorar a instalação de correções. A\n"
     "                         interface baseada em comandos ignora-a da mesma forma.\n"
     "\n"
     "    --no-space-check     Servia para ignorar a verificação do espaço livre em\n"
     "                         disco.\n"
     "\n"},
    {"usage_end", "Consulte 'installer help' para obter informações sobre a interface baseada em comandos.\n"},
    {"usage_commands",
     "Utilização: installer COMANDO [OPTIONS]\n"
     "\n"
     "Comandos:\n"
     " list      Listar os produtos, versões, predefinições e componentes disponíveis\n"
     " list-all  Listar todos os produtos disponíveis e as respetivas versões\n"
     " install   Instalar uma versão de um produto\n"
     " update    Instalar as atualizações mais recentes dos produtos instalados\n"
     " add       Adicionar componentes a um produto instalado\n"
     " remove    Remover componentes de um produto instalado\n"
     " upgrade   Atualizar um produto instalado para outra versão\n"
     " stop      Parar um Zarni Installer em execução\n"
     " version   Mostrar a versão do Zarni Installer\n"
     " help      Mostrar a ajuda de um comando\n"
     "\n"
     "Consulte 'installer help COMMAND' para obter ajuda sobre um comando específico.\n"
     "Consulte 'installer --help-options' para obter ajuda sobre a interface baseada em opções.\n"},
    {"usage_cmd_prefix", "Utilização: installer "},
    {"usage_cmd_version", "Mostrar a versão do Zarni Installer."},
    {"usage_cmd_help",
     "Sem COMMAND, lista os comandos. Com COMMAND, mostra a ajuda desse comando;\n"
     "adicione --verbose (-v) para ver mais opções do comando."},
    {"usage_cmd_list_all", "Listar todos os produtos disponíveis e as respetivas versões."},
    {"usage_cmd_list",
     "Listar os produtos e versões disponíveis. Para uma versão exata (um ID de\n"
     "versão, ou um ID de produto e uma versão), listar as respetivas predefinições\n"
     "de instalação (--presets), os componentes (--components, com as definições\n"
     "quando se adiciona --options) ou a configuração do gestor de pacotes do\n"
     "sistema para essa versão (--sources)."},
    {"usage_cmd_install",
     "Instalar uma versão de um produto. Sem seletores, é instalada a versão mais\n"
     "recente disponível do Zarni. Escolha os componentes com uma predefinição\n"
     "(--preset, ajustada por --with e --without) ou indique-os com --components."},
    {"usage_cmd_upgrade",
     "Atualizar um produto instalado para outra versão. Indique a versão pelo\n"
     "respetivo ID, por um ID de produto e uma versão, ou por um ID de produto e\n"
     "uma camada (é utilizada a versão mais recente dessa camada). Sem uma versão\n"
     "exata, são listadas as versões disponíveis."},
    {"usage_cmd_update",
     "Instalar as atualizações mais recentes de todos os produtos instalados, ou\n"
     "apenas de PRODUCT, sem os atualizar para outra versão."},
    {"usage_cmd_add", "Adicionar componentes a um produto instalado."},
    {"usage_cmd_remove", "Remover componentes de um produto instalado."},
    {"usage_cmd_add_remove_tail", "O produto pode ser omitido quando só está instalado um produto.\n"},
    {"usage_cmd_stop",
     "Parar um instalador do Zarni em execução. Para no próximo ponto seguro; com\n"
     "--terminate, para mesmo enquanto os pacotes estão a ser instalados."},
    {"usage_components",
     "COMPONENTS é uma lista de IDs de componentes. Separe-os com espaços ou\n"
     "vírgulas, ou repita a opção:\n"
     "  --components panel horde\n"
     "  --components panel,horde\n"
     "  --components panel --components horde\n"},
    {"usage_verbose",
     "Adicione '--verbose' (ou '-v') para ver mais opções, '--verbose=2' para ver todas as opções."},
    {"usage_hdr_command_opts", "Opções do comando"},
    {"usage_hdr_general_opts", "Opções gerais"},
    {"usage_hdr_download_opts", "Opções de transferência"},
    {"usage_hdr_proxy_opts", "Opções de proxy"},
    {"usage_hdr_skip_opts", "Opções que ignoram passos"},
    {"usage_hdr_env_opts", "Opções de substituição do sistema operativo"},
    {"usage_opt_source",
     "Origem da instalação: "
     "URL do servidor de atualizações ou de um espelho, ou caminho absoluto de um diretório local"},
    {"usage_opt_target", "Diretório para os ficheiros transferidos"},
    {"usage_opt_tries", "Número de novas tentativas de uma transferência falhada (predefinição: 3)"},
    {"usage_opt_ext",
     "URL do Extensions Catalog a utilizar em vez do indicado pelo produto"},
    {"usage_opt_proxy_host", "Nome de anfitrião ou endereço IP do servidor proxy"},
    {"usage_opt_proxy_port", "Porta do servidor proxy (predefinição: 3128)"},
    {"usage_opt_proxy_user", "Nome de utilizador para a autenticação do proxy"},
    {"usage_opt_proxy_pass", "Palavra-passe para a autenticação do proxy"},
    {"usage_opt_skip_examine",
     "Não executar as verificações dos componentes e do produto antes e depois da instalação"},
    {"usage_opt_skip_gpg", "Não verificar as assinaturas GPG dos pacotes"},
    {"usage_opt_skip_cleanup",
     "Manter a configuração dos repositórios de pacotes quando o instalador termina"},
    {"usage_opt_no_self_upgrade",
     "Não substituir o Zarni Installer por uma versão mais recente ou mais antiga de si próprio"},
    {"usage_opt_help", "Mostrar a ajuda do comando"},
    {"usage_opt_xml", "Imprimir as respostas e as mensagens de estado em formato XML"},
    {"usage_opt_debug", "Escrever informações de depuração no ficheiro de registo"},
    {"usage_opt_truncate_log", "Esvaziar o ficheiro de registo do Zarni Installer ao iniciar"},
    {"usage_opt_separate_log", "Escrever um ficheiro de registo separado para cada execução do Zarni Installer"},
    {"usage_opt_email",
     "Quando o Zarni Installer terminar, enviar um relatório sobre o resultado para este endereço de email"},
    {"usage_opt_verbose", "Mostrar mais opções na ajuda: 1 para mais opções, 2 para todas as opções"},
    {"usage_opt_completion", "Imprimir as opções do comando para o preenchimento automático da shell (JSON)"},
    {"usage_opt_override_os_name", "Nome do sistema operativo a utilizar em vez do detetado"},
    {"usage_opt_override_os_vendor", "Fornecedor do sistema operativo a utilizar em vez do detetado"},
    {"usage_opt_override_os_version",
     "Versão do sistema operativo a utilizar em vez da detetada"},
    {"usage_opt_override_os_arch", "Arquitetura a utilizar em vez da detetada"},
    {"usage_opt_override_env",
     "Ambiente a utilizar em vez do detetado: 'dedicated' ou 'cq'"},
    {"usage_opt_list_presets", "Listar as predefinições de instalação da versão"},
    {"usage_opt_list_components", "Listar os componentes da versão"},
    {"usage_opt_list_options", "Com --components, mostrar também as definições de cada componente"},
    {"usage_opt_dry_run",
     "Não alterar nada; "
     "apenas mostrar os pacotes que seriam instalados [I], atualizados [U] ou removidos [R]"},
    {"usage_opt_install_preset",
     "Instalar os componentes desta predefinição (tipo de instalação), por exemplo 'Recommended' ou 'Full'"},
    {"usage_opt_install_with", "Componentes a instalar além da predefinição"},
    {"usage_opt_install_without", "Componentes da predefinição que não devem ser instalados"},
    {"usage_opt_install_components", "Componentes a instalar, em vez de uma predefinição"},
    {"usage_opt_install_options", "Definições dos componentes, cada uma indicada como nome=valor"},
    {"usage_opt_update_panel_only",
     "Instalar apenas as atualizações do próprio Zarni, e não dos outros serviços geridos pelo Zarni"},
    {"usage_opt_addremove_components", "Componentes a adicionar ou remover"},
    {"usage_opt_stop_terminate",
     "Parar o instalador do Zarni mesmo enquanto os pacotes estão a ser instalados (enviar SIGTERM em vez de SIGHUP)"},
    {"error_supp_need",
     "Pode procurar uma solução no site de suporte do Zarni em https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "O Windows Server 2003 já não é suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que utilize uma versão mais recente do sistema operativo."},
    {"os_win2008_not_supported_product_installed",
     "O Windows Server 2008 já não é suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que utilize uma versão mais recente do sistema operativo. "
     "Para mover o Zarni para um servidor com um sistema operativo suportado, siga o guia de migração (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "O Windows Server 2008 já não é suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que utilize uma versão mais recente do sistema operativo."},
    {"os_win2008r2_not_supported_product_installed",
     "O Windows Server 2008 R2 já não é suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que utilize uma versão mais recente do sistema operativo. "
     "Para mover o Zarni para um servidor com um sistema operativo suportado, siga o guia de migração (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "O Windows Server 2008 R2 já não é suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que utilize uma versão mais recente do sistema operativo."},
};

}  // namespace

void loadInstallerMessages_pt_PT(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
