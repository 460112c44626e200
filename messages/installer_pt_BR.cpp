// Brazilian Portuguese texts of the installer messages, written over the English ones.
#include "messages/MessageLoaders.h"

namespace {

const MessagePair kTable[] = {
    {"Kitwright", "Instalador do Zarni"},
    {"usage_cmd_list_tail",
     "Exemplos:\n"
     "Listar os produtos disponíveis:\n"
     "list\n"
     "Listar as últimas versões disponíveis do Zarni nos níveis padrão:\n"
     "list %1%\n"
     "Listar todas as versões disponíveis do Zarni:\n"
     "list %1% all\n"
     "Mostrar a última versão de prévia disponível do Zarni (nível 'testing'):\n"
     "list %1% testing\n"
     "Listar os componentes do Zarni %2% (selecionado pelo ID do produto e pela versão):\n"
     "list %1% %2% --components\n"
     "Listar as predefinições de instalação do Zarni %2% (selecionado pelo ID da versão):\n"
     "list %3% --presets\n"},
    {"usage_cmd_install_tail",
     "Exemplos:\n"
     "Instalar o conjunto recomendado de componentes da última versão do Zarni\n"
     "disponível para todos:\n"
     "install\n"
     "Instalar a última versão de prévia disponível do Zarni:\n"
     "install testing\n"
     "Instalar o Zarni %2% (selecionado pela versão):\n"
     "install %1% %2%\n"
     "Instalar o conjunto completo de componentes do Zarni sem o suporte a Java e\n"
     "sem o webmail Horde (versão selecionada pelo ID):\n"
     "install %3% --preset Full --without java horde\n"},
    {"usage_cmd_upgrade_tail",
     "Exemplos:\n"
     "Fazer upgrade para o Zarni %2% (selecionado pelo ID do produto e pela versão):\n"
     "upgrade %1% %2%\n"
     "Fazer upgrade para o Zarni %2% (selecionado pelo ID da versão):\n"
     "upgrade %3%\n"
     "Fazer upgrade para a última versão estável disponível do Zarni:\n"
     "upgrade %1% stable\n"},
    {"usage_cmd_update_tail",
     "Exemplos:\n"
     "Instalar as últimas atualizações disponíveis de todos os produtos instalados:\n"
     "update\n"
     "Atualizar a instalação do Zarni:\n"
     "update %1%\n"
     "Instalar somente as atualizações do Zarni, sem atualizar, se possível, outros\n"
     "serviços gerenciados pelo Zarni (válido apenas para o produto '%1%'):\n"
     "update --panel-only\n"},
    {"usage_selector",
     "Cada SELECTOR é um dos seguintes:\n"
     "ID do produto, por exemplo, '%1%'\n"
     "nível de liberação, por exemplo, 'stable', ou 'all' para não filtrar por nível\n"
     "versão, por exemplo, '%2%'\n"
     "ID da versão,   por exemplo, '%3%'\n"
     "\n"
     "Use o comando 'list' para verificar quais seletores são válidos.\n"},
    {"usage_product",
     "PRODUCT é um seletor de ID de produto, por exemplo, '%1%'.\n"
     "Use o comando 'list' para verificar quais IDs de produto são válidos.\n"},
    {"download_file", "Baixando o arquivo "},
    {"download_total_progress", "(%s de %s) "},
    {"download_retry_progress", " (tentativa %s de %s)"},
    {"download_retry", "%s. Nova tentativa em %s segundo(s)..."},
    {"progress_stage_init", "O Instalador Zarni foi iniciado"},
    {"progress_stage_prep", "Preparando o sistema"},
    {"progress_stage_resolv", "Resolvendo pacotes"},
    {"progress_stage_download", "Baixando os pacotes"},
    {"dpkg_register_new_arch", "Registrando o suporte à arquitetura %s"},
    {"examine_unpassed", "A validação dos componentes e do produto detectou pelo menos um problema importante:"},
    {"examine_post_results", "Resultados da verificação dos componentes e do produto:"},
    {"examine_signal", "A verificação foi encerrada pelo sinal %s."},
    {"examine_time_limit", "A verificação não terminou em %s segundos e foi interrompida."},
    {"check_system_packages", "Verificando os pacotes instalados... "},
    {"read_system_packages", "Obtendo informações sobre os pacotes instalados... "},
    {"status_not_locked", "O Instalador Zarni não está em execução."},
    {"status_locked_by_another", "A operação de atualização foi bloqueada por outro processo de atualização."},
    {"status_daemon_launched", "O daemon do Instalador Zarni foi iniciado."},
    {"status_busy", "Outra instância do Instalador Zarni já está em execução."},
    {"error_sys_stable", "Nem todos os pacotes foram instalados."},
    {"error_sys_unsure", "Aviso! Nem todos os pacotes foram instalados.\nVerifique se os serviços do sistema estão funcionando."},
    {"error_sys_broken", "Atenção! O seu software pode não estar funcionando."},
    {"error_rep_none", ""},
    {"error_rep_again", "Tente instalar os pacotes novamente mais tarde."},
    {"error_supp_none", "Resolva este problema e tente instalar os pacotes novamente."},
    {"components_allready_installed", "Você já tem a última versão do(s) produto(s) e todos os componentes selecionados instalados. A instalação não continuará."},
    {"releases_no_avail", "A instalação não continuará porque o seu sistema operacional\n%s não é suportado.\nConsulte as notas de versão do Zarni para ver a lista completa\nde sistemas operacionais suportados.\n"},
    {"insttypes_page_hdr1", "Selecione o tipo de instalação para %s"},
    {"components_page_body2", "Selecione os componentes de %s que você deseja instalar:"},
    {"components_page_num_selected", "%s de %s componentes selecionados"},
    {"options_page_body2", "Os parâmetros de %s componentes precisam ser especificados.\n"},
    {"options_page_body5", "\nComponente '%s': todos os parâmetros obrigatórios foram definidos.\n"},
    {"packages_page_body_install", "Há %s pacotes necessários para o funcionamento correto do produto que\nnão foram encontrados no seu sistema.\n"},
    {"packages_page_body_upgrade", "Há %s pacotes que precisam de upgrade\npara que o produto seja instalado.\n"},
    {"packages_page_body_remove", "Há %s pacotes instalados que serão removidos.\n"},
    {"install_start", "Aplicando as alterações ao sistema"},
    {"install_ok", "As alterações foram aplicadas com sucesso."},
    {"err_send_mail", "Aviso: falha ao enviar o relatório da instalação por email."},
    {"err_read_prodsinfo", "Falha ao ler as informações do produto do arquivo "},
    {"warn_deprecated_option", "AVISO: a opção de linha de comando '%s' está obsoleta e será ignorada."},
    {"err_chk_md5", "Falha ao calcular o checksum do arquivo "},
    {"new_build_avail", "Aviso: um novo build do produto está disponível no servidor."},
    {"added_comps_by_deps", "Os seguintes componentes serão instalados porque são exigidos pelos componentes que você selecionou:"},
    {"removed_comps_by_deps", "Os seguintes componentes serão removidos porque entram em conflito com os componentes que você selecionou para instalar ou exigem os componentes que você selecionou para remover:"},
    {"err_dep_from_pkg_unresolved", "%s: Nenhuma solução adequada foi encontrada\npara a dependência \"%s\".\n"},
    {"err_pkg_downgrade", "Não é possível fazer o downgrade do pacote '%s' para a versão %s:\na versão %s está instalada no momento."},
    {"err_pkg_clash", "Os pacotes \"%s\" e \"%s\" não podem ser instalados ao mesmo tempo"},
    {"err_pkg_fileconfl", "por causa do conflito com o arquivo \"%s\""},
    {"err_pkg_depconfl", "porque \"%s\" entra em conflito com \"%s\"."},
    {"pkg_select_reason", "O pacote \"%s\" foi escolhido por causa das seguintes dependências:"},
    {"pkg_select_depend", "    \"%s\" de \"%s\""},
    {"deps_report_head", "O seguinte pode ter causado a falha da instalação:"},
    {"deps_long_report", "Outros problemas também foram encontrados. Para mais detalhes,\nconsulte o arquivo de log: %s.\n"},
    {"user_canceled", "Interrompido pelo usuário"},
    {"goto_webinterface_url", "\nA interface web foi iniciada.\n  Acesse %s no seu navegador.\n\n"},
    {"upgrade_from_not_supported_versions", "Você só pode fazer o upgrade do %s para a versão %s ou anterior. Se quiser fazer o upgrade para a última versão, consulte o seguinte artigo: %s"},
    {"stop_already_stopped", "O Zarni Installer não está em execução."},
    {"stop_sent", "Foi solicitado o encerramento do Instalador Zarni."},
    {"download_completed", "já baixado"},
    {"download_done", "concluído"},
    {"download_all_done", "Todos os arquivos foram baixados."},
    {"download_ext_catalog_feed", "Baixando o feed do Extensions Catalog..."},
    {"process_apt_get_update", "Atualizando o índice de pacotes do APT..."},
    {"question_continue", "Deseja continuar?"},
    {"question_show_settings",
     "Isso pode ser causado por um problema na fonte de instalação, na sua conexão ou nas configurações do instalador.\n"
     "O instalador será encerrado por causa de um erro irrecuperável.\n"
     "Deseja ver as configurações atuais do instalador e como alterá-las?"},
    {"examine_presetup", "Verificando os componentes e o produto antes da instalação"},
    {"examine_postsetup", "Verificando os componentes e o produto depois da instalação"},
    {"examine_perform", "Verificando os componentes e o produto..."},
    {"examine_skip_yesno",
     "Prosseguir com a instalação ou o upgrade sem resolver os problemas\n"
     "encontrados pode corromper os seus dados.\n"},
    {"wizard_current_settings", "Configurações atuais:"},
    {"yesno_retry", "Digite Y para sim ou N para não"},
    {"message_press_enter", "(pressione Enter para continuar)"},
    {"releases_reporter_no_updates", "Não há atualizações disponíveis."},
    {"releases_reporter_list_empty", "Não há produtos disponíveis para instalação."},
    {"releases_page_hdr", "Produtos e versões"},
    {"releases_page_body", "As seguintes versões de produtos estão disponíveis:"},
    {"releases_no_selected", "Nenhuma versão de produto foi selecionada."},
    {"releases_upgrade_request1", "Você tem a versão do produto "},
    {"releases_upgrade_request2",
     " instalada.\n"
     "Deseja fazer o upgrade?"},
    {"wizard_legend_header", "Ações disponíveis:"},
    {"wizard_legend_f_forward", "(F) Avançar"},
    {"wizard_legend_b_back", "(B) Voltar"},
    {"wizard_legend_q_quit", "(Q) Cancelar a instalação"},
    {"wizard_legend_s_advanced_settings", "(S) Mostrar as configurações avançadas"},
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
    {"wizard_prompt_action_retry", "Digite um dos caracteres da legenda acima"},
    {"wizard_prompt_action_or_number", "Selecione uma ação ou um número"},
    {"wizard_prompt_action_or_number_retry",
     "Digite um número ou o caractere de uma ação da legenda acima"},
    {"wizard_prompt_number", "Selecione um número"},
    {"wizard_prompt_number_retry", "Digite um dos números da lista acima"},
    {"hello_page_hdr", "Assistente de instalação e upgrade do Zarni"},
    {"hello_page_body",
     "Este assistente ajuda você a instalar o Zarni, fazer o upgrade dele para uma\n"
     "versão mais nova e adicionar ou remover os seus componentes.\n"
     "\n"
     "------ IMPORTANTE ------\n"
     "\n"
     "* Faça backup dos seus dados antes de fazer o upgrade do Zarni ou remover\n"
     "  qualquer um dos seus componentes.\n"
     "\n"
     "* Não interrompa a instalação enquanto os pacotes estiverem sendo instalados.\n"
     "\n"
     "* O Zarni é distribuído sob o Contrato de Licença de Usuário Final do Zarni. Leia os termos antes de continuar (ao instalar o Zarni, você os aceita):\n"
     "http://www.zarni.example/legal/terms/\n"},
    {"source_product_source", " Instalar produtos de: "},
    {"source_target_dir", " Salvar os arquivos baixados em: "},
    {"source_from_zarni", "o servidor de atualizações do Zarni"},
    {"source_from_network", "o local de rede"},
    {"source_from_local", "o diretório local"},
    {"proxy_no_proxy", " Não usar proxy"},
    {"proxy_no_auth", " Não usar autenticação no proxy"},
    {"proxy_proxy_host", " Usar proxy HTTP (host:porta): "},
    {"proxy_auth", " Usar autenticação no proxy, nome de usuário: "},
    {"settings_download_retries", " Número de novas tentativas de um download com falha: "},
    {"settings_page_hdr", "Configurações avançadas"},
    {"settings_page_body",
     "Estas configurações (local dos pacotes de distribuição dos produtos, local de\n"
     "armazenamento dos arquivos baixados, configurações de proxy e de download)\n"
     "podem ser definidas na linha de comando ou no arquivo de configuração.\n"
     "\n"
     " Linha de comando           | Arquivo de configuração  | Resumo\n"
     "----------------------------+--------------------------+---------------------\n"
     " --source <URL or path>     | SOURCE=<URL or path>     | fonte de instalação\n"
     " --target <dir>             | TARGET=<dir>             | diretório de download\n"
     " --proxy-host <host>        | PROXY_HOST=<host>        | host do proxy\n"
     " --proxy-port <port>        | PROXY_PORT=<port>        | porta do proxy\n"
     " --proxy-user <user>        | PROXY_USER=<user>        | usuário do proxy\n"
     " --proxy-password <pass>    | PROXY_PASSWORD=<pass>    | senha do proxy\n"
     " --download-retry-count <N> | DOWNLOAD_RETRY_COUNT=<N> | novas tentativas\n"
     "\n"
     "Os argumentos da linha de comando têm prioridade sobre o arquivo de\n"
     "configuração. O instalador lê o arquivo de configuração ao iniciar; escreva\n"
     "cada configuração em uma linha própria, por exemplo PROXY_PORT=3128.\n"},
    {"settings_page_cfg", "Local do arquivo de configuração do instalador: "},
    {"insttypes_page_hdr", "Tipos de instalação"},
    {"insttypes_page_body",
     "Um tipo de instalação é um conjunto predefinido de componentes. Selecione um deles:"},
    {"components_page_hdr", "Lista de componentes principais"},
    {"components_page_hdr1", "Lista de componentes principais de "},
    {"components_page_body1", "Mostrar os componentes do produto:"},
    {"components_page_body3", "Selecione os componentes que você deseja instalar:"},
    {"components_page_bottom_toggle_components",
     "Digite um número para alternar o componente correspondente."},
    {"components_page_bottom_toggle_groups",
     "Digite um número para alternar o componente correspondente ou ver o grupo (marcado com <+>)."},
    {"components_toggle_also", "Para alternar o estado deste componente, você também precisa"},
    {"components_install_also", "instalar ou fazer o upgrade dos seguintes componentes: "},
    {"components_install_remove_them", "Deseja fazer isso?"},
    {"components_remove_also", "remover os seguintes componentes: "},
    {"components_unmark_also", "desmarcar os seguintes componentes: "},
    {"components_atleast_one", "Para continuar, selecione pelo menos um componente."},
    {"components_deny_implicit_remove",
     "Para remover este componente ou grupo de componentes, primeiro você precisa remover os componentes que não podem ser removidos implicitamente: "},
    {"components_group_toggle_also", "Para alternar o estado destes componentes, você também precisa"},
    {"components_group_deny_conflict",
     "Não é possível alternar o estado destes componentes porque isso quebraria as dependências dos seguintes componentes: "},
    {"components_group_deny_conflict_suggestion", "Tente alternar os componentes um por um."},
    {"need_also_message",
     "Os componentes selecionados exigirão a instalação de pacotes dos seguintes componentes: \n"},
    {"need_also_remove_message",
     "Os componentes selecionados exigirão a remoção de pacotes dos seguintes componentes: \n"},
    {"options_page_hdr", "Parâmetros dos componentes"},
    {"options_page_body1",
     " componentes selecionados para instalação exigem que você especifique alguns parâmetros.\n"},
    {"options_page_body3", "Você precisa especificar agora todos os parâmetros obrigatórios.\n"},
    {"options_page_body4", "Os parâmetros de todos esses componentes já estão definidos.\n"},
    {"packages_page_hdr", "Alterações nos pacotes"},
    {"packages_no_reqpackages", "Nenhum pacote precisa ser instalado, atualizado ou removido."},
    {"install_remove", "Removendo os pacotes: "},
    {"install_again",
     "Observação: "
     "um novo build do produto foi lançado enquanto o Instalador Zarni instalava os pacotes.\n"
     "Deseja instalá-lo?"},
    {"install_install_package", "Instalando os pacotes: "},
    {"checking_comps_status", "Detectando os componentes do produto instalados."},
    {"checking_deps", "Verificando as dependências dos pacotes..."},
    {"err_set_proxyvar",
     "Aviso: falha ao definir a variável de ambiente do proxy para o gerenciador de pacotes."},
    {"err_no_librpm",
     "Erro: não foi possível carregar a librpm, a biblioteca que lê o banco de dados de pacotes RPM."},
    {"err_no_pagers", "Aviso: não foi possível encontrar os utilitários 'less' ou 'more'."},
    {"installling_pkgs", "Instalando os pacotes"},
    {"installing_pkglist", "Instalando os seguintes pacotes:"},
    {"warn_apt_cdrom_in_source",
     "Aviso: a sua lista de fontes do APT contém uma fonte de CD/DVD. O Instalador\n"
     "Zarni pode parar e esperar pelo disco. Se o disco não estiver disponível,\n"
     "remova as linhas cdrom de /etc/apt/sources.list e dos arquivos em\n"
     "/etc/apt/sources.list.d/ e execute a instalação novamente."},
    {"retype_password", "Digite a senha novamente: "},
    {"webinterface_exit_by_timeout",
     " O Instalador Zarni foi fechado por causa de um longo período sem atividade."},
    {"ask_customer_feedback",
     "Deseja ajudar a melhorar o Zarni enviando relatórios de erro aos\n"
     "desenvolvedores do Zarni quando ocorrer um problema?"},
    {"press_enter_to_exit", "Pressione ENTER para sair ..."},
    {"comps_no_options", "Nenhum dos componentes listados tem configurações."},
    {"options_select_all_IPs", "Selecionar todos os endereços IP"},
    {"searching_need_pkgs", "Procurando os pacotes necessários..."},
    {"confirm_uninstallation", "Deseja mesmo remover o %s e todos os seus componentes?"},
    {"confirm_uninstallation_title", "Remoção do %s"},
    {"cancel_uninstallation", "Cancelar a remoção"},
    {"error_supp_maybe",
     "Resolva este problema e tente instalar os pacotes novamente. "
     "Você pode procurar uma solução no site de suporte do Zarni em https://support.zarni.example/"},
    {"usage_header",
     "Uso: installer [OPTIONS]\n"
     "\n"
     "O Instalador Zarni instala, faz o upgrade e remove os produtos Zarni e os\n"
     "seus componentes. Executado sem opções, ele inicia o assistente interativo no\n"
     "console.\n"
     "\n"},
    {"usage_download",
     " Opções de download:\n"
     "--source <URL ou caminho absoluto>\n"
     "Obtém os produtos do servidor de atualizações ou espelho informado, ou de um\n"
     "diretório local.\n"
     "Valores de exemplo:\n"
     "http://updates.zarni.example/\n"
     "http://mirror.zarni.example/zarni/\n"
     "/root/kestavine/mirror/\n"
     "\n"
     "--target <dir> Armazena os arquivos baixados no diretório informado.\n"
     "Valor de exemplo:\n"
     "/root/kestavine\n"
     "\n"
     "--download-retry-count <number>\n"
     "Quantas vezes um download com falha é tentado novamente (padrão: 3).\n"
     "\n"},
    {"usage_proxy",
     " Opções de proxy:\n"
     "--proxy-host <host> Nome do host ou endereço IP do servidor proxy.\n"
     "\n"
     "--proxy-port <port> Porta do servidor proxy (padrão: 3128).\n"
     "\n"
     "--proxy-user <user> Nome de usuário para a autenticação no proxy.\n"
     "\n"
     "--proxy-password <password>\n"
     "Senha para a autenticação no proxy.\n"
     "\n"},
    {"usage_selectors",
     " Opções de seleção de produto e versão:\n"
     "--select-product-id <product id>\n"
     "Seleciona o produto ao qual se referem as opções seguintes. Escolha a versão\n"
     "do produto com uma destas opções:\n"
     "--select-release-id, --select-release-latest,\n"
     "--select-release-current\n"
     "\n"
     "--select-release-id <release id> Seleciona a versão com o ID informado.\n"
     "\n"
     "--select-release-latest Seleciona a última versão disponível do produto.\n"
     "\n"
     "--select-release-current Seleciona a versão instalada do produto.\n"
     "\n"
     "--tier <tiers> Oferece somente as versões dos níveis informados, em uma lista\n"
     "separada por vírgulas como stable,testing. O padrão é \"stable,release,current\".\n"
     "\n"
     "--all-versions Não filtra as versões por nível. Com esta opção o instalador\n"
     "oferece as versões de todos os níveis, inclusive as versões de prévia.\n"
     "\n"},
    {"usage_install",
     " Opções de instalação:\n"
     "--installation-type <type name>\n"
     "Instala os componentes do tipo de instalação informado (por exemplo,\n"
     "'Recommended' ou 'Full') da versão do produto selecionada.\n"
     "Exemplos:\n"
     "1) os componentes recomendados do último Zarni:\n"
     "--select-product-id zarni --select-release-latest \\\n"
     "--installation-type Recommended\n"
     "2) todos os componentes da versão ZARNI_12_5_30 do Zarni:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--installation-type Full\n"
     "\n"
     "--install-component <component id>\n"
     "Instala o componente informado da versão do produto selecionada. Repita a\n"
     "opção para instalar vários componentes.\n"
     "Exemplos:\n"
     "1) adicionar o webmail Horde ao Zarni instalado:\n"
     "--select-product-id zarni --select-release-current \\\n"
     "--install-component horde\n"
     "2) instalar o Zarni 12.5.30 com o painel e o Postfix:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--install-component panel --install-component postfix\n"
     "\n"
     "--set-option <setting_name>=<setting_value>\n"
     "Define uma configuração de componente do produto indicado pela opção\n"
     "--select-product-id anterior. Repita a opção para definir várias configurações.\n"
     "\n"},
    {"usage_remove",
     " Opções de remoção:\n"
     "--remove-component <component id>\n"
     "Remove o componente informado do produto selecionado. Repita a opção para\n"
     "remover vários componentes.\n"
     "Exemplos:\n"
     "1) remover o webmail Horde do Zarni:\n"
     "--select-product-id zarni --remove-component horde\n"
     "2) remover dois componentes de uma vez:\n"
     "--select-product-id zarni \\\n"
     "--remove-component horde \\\n"
     "--remove-component postfix\n"
     "\n"
     "--remove-everything Remove todos os componentes do produto selecionado, ou\n"
     "seja, remove o próprio produto.\n"
     "Exemplo (remover o Zarni):\n"
     "--select-product-id zarni --remove-everything\n"
     "\n"
     "--interactive-uninstall\n"
     "Junto com --remove-everything, espera por Enter antes de o Instalador Zarni\n"
     "terminar.\n"
     "\n"},
    {"usage_upgrade",
     " Opções de upgrade:\n"
     "--upgrade-installed-components\n"
     "Faz o upgrade dos componentes instalados do produto selecionado para a versão\n"
     "selecionada.\n"
     "Exemplos:\n"
     "1) instalar as últimas atualizações do Zarni instalado:\n"
     "--select-product-id zarni --select-release-current \\\n"
     "--upgrade-installed-components\n"
     "2) fazer o upgrade do Zarni para a versão ZARNI_12_5_30:\n"
     "--select-product-id zarni \\\n"
     "--select-release-id ZARNI_12_5_30 \\\n"
     "--upgrade-installed-components\n"
     "\n"
     "--include-components-from-class <class>\n"
     "Faz o upgrade somente dos componentes instalados do produto selecionado que\n"
     "pertencem à classe informada, por exemplo aspect=panel. Repita a opção para\n"
     "informar várias classes.\n"
     "\n"},
    {"usage_no_warn",
     " Opções de verificação de componentes:\n"
     "--skip-components-check Não executa as verificações dos componentes e do\n"
     "produto antes e depois da instalação. O Zarni Installer executa essas\n"
     "verificações para encontrar problemas que poderiam corromper os seus dados;\n"
     "ignore-as somente se tiver certeza de que a instalação é segura.\n"
     "\n"},
    {"usage_list",
     " Opções para listar produtos, versões e componentes:\n"
     "--show-releases Lista as versões disponíveis do produto selecionado (o Zarni,\n"
     "quando nenhum produto é selecionado), com os IDs das versões e os níveis. O\n"
     "Instalador Zarni lista somente as versões dos níveis \"stable\", \"release\" e\n"
     "\"current\", a não ser que você use --all-versions ou informe outros níveis\n"
     "com --tier.\n"
     "\n"
     "--show-all-releases Lista todos os produtos disponíveis e as suas versões.\n"
     "\n"
     "--show-os-list Lista os sistemas operacionais para os quais a versão\n"
     "selecionada foi gerada.\n"
     "\n"
     "--show-installation-types Lista os tipos de instalação da versão selecionada.\n"
     "\n"
     "--show-components Lista os componentes da versão selecionada e se cada um está\n"
     "instalado, pode receber upgrade ou está atualizado. Use os IDs de componentes\n"
     "exibidos com --install-component e --remove-component.\n"
     "\n"
     "--show-upgradable-components\n"
     "Lista somente os componentes que podem receber upgrade.\n"
     "\n"
     "--show-options Junto com --show-components, mostra também as configurações de\n"
     "cada componente. Não pode ser combinada com --show-upgradable-components.\n"
     "\n"
     "--show-packages\tJunto com as opções de instalação, upgrade ou remoção, apenas\n"
     "mostra os pacotes que seriam instalados [I], atualizados [U] ou removidos [R],\n"
     "sem alterar nada.\n"
     "\n"},
    {"usage_automation",
     " Opções de automação:\n"
     "--enable-xml-output Imprime as respostas e as mensagens de status no formato\n"
     "XML, para scripts e outros programas. Uma instalação é então executada em\n"
     "segundo plano.\n"
     "\n"
     "--query-status Mostra se o Instalador Zarni está em execução e, se estiver, a\n"
     "etapa e o passo do seu trabalho. O status da resposta é um destes:\n"
     "query_ok   - o Instalador Zarni não está em execução\n"
     "query_busy - o Instalador Zarni está em execução\n"
     "\n"
     "--check-updates\tVerifica se há atualizações disponíveis para o produto\n"
     "selecionado (o Zarni, quando nenhum produto é selecionado).\n"
     "Exemplo:\n"
     "--select-product-id zarni --check-updates\n"
     "\n"
     "--no-daemon Com --enable-xml-output, instala em primeiro plano e espera até o\n"
     "fim da instalação.\n"
     "\n"},
    {"usage_web",
     " Opções da interface web:\n"
     "--web-interface Executa o assistente de instalação em um navegador web, e não no\n"
     "console. O assistente é servido na porta 8447.\n"
     "\n"
     "--ssl-cert <file.pem>\n"
     "Arquivo com o certificado e a chave privada para HTTPS. Por padrão, é criado\n"
     "um certificado autoassinado.\n"
     "\n"
     "--without-ssl Serve a interface web por HTTP simples.\n"
     "\n"},
    {"usage_override",
     " Opções que substituem o sistema operacional detectado:\n"
     "--override-os-name <arg>\n"
     "Usa o nome de sistema operacional informado no lugar do detectado.\n"
     "\n"
     "--override-os-vendor <arg>\n"
     "Usa o fornecedor de sistema operacional informado no lugar do detectado.\n"
     "\n"
     "--override-os-version <arg>\n"
     "Usa a versão de sistema operacional informada no lugar da detectada.\n"
     "\n"
     "--override-os-arch <arg>\n"
     "Usa a arquitetura informada no lugar da detectada.\n"
     "\n"
     "--override-environment <arg>\n"
     "Usa o ambiente informado no lugar do detectado: 'dedicated' ou 'cq'.\n"
     "\n"},
    {"usage_console",
     " \n"
     "Opções da interface do usuário do console interativo: \n"
     "--no-clear  Não limpa a tela ao mover entre as páginas do assistente. \n"
     "\n"},
    {"usage_feedback",
     " Opções de feedback:\n"
     "--enable-feedback Permite que o Instalador Zarni envie um relatório de erro aos\n"
     "desenvolvedores do Zarni quando ocorrer um problema.\n"
     "\n"
     "--disable-feedback Não envia relatórios de erro. O Instalador Zarni lembra a\n"
     "escolha nas próximas execuções.\n"
     "\n"},
    {"usage_logging",
     " Opções de log e notificação:\n"
     "--notify-email <email>\n"
     "Quando o Instalador Zarni terminar, envia um relatório sobre o resultado para o\n"
     "endereço de email informado.\n"
     "\n"
     "--truncate-log Esvazia o arquivo de log do Instalador Zarni ao iniciar.\n"
     "\n"
     "--separate-logs Grava um arquivo de log separado para cada execução do\n"
     "Instalador Zarni.\n"
     "\n"
     "--debug Grava informações de depuração no arquivo de log.\n"
     "\n"},
    {"usage_help",
     " Opções de ajuda e versão do Zarni Installer:\n"
     "--version Mostra a versão do Zarni Installer.\n"
     "\n"
     "--usage,\n"
     "--help Mostra a visão geral da interface baseada em comandos.\n"
     "\n"
     "--help-options Mostra esta ajuda sobre a interface baseada em opções.\n"
     "\n"},
    {"usage_obsolete",
     " Opções obsoletas:\n"
     "--disable-zarni-sys-updates\n"
     "Usada para desativar as atualizações do sistema operacional fornecidas com o\n"
     "Zarni. Ainda é aceita, mas não altera mais o que é instalado.\n"
     "\n"
     "--install-everything\n"
     "Instala todos os componentes da versão do produto selecionada. Use\n"
     "--installation-type 'Full' no lugar dela.\n"
     "\n"
     "--branch <tiers> O mesmo que --tier.\n"
     "\n"
     "--skip-branch-filter\n"
     "O mesmo que --all-versions.\n"
     "\n"},
    {"usage_deprecated",
     " Opções obsoletas (aceitas, mas ignoradas com um aviso):\n"
     "--source-type Usada para definir o tipo da fonte de instalação. O tipo agora é\n"
     "reconhecido pelo valor de --source.\n"
     "\n"
     "--add-source Usada para adicionar uma fonte de pacotes extra.\n"
     "\n"
     "--show-additional-source-types Usada para listar os tipos de fontes de pacotes\n"
     "extras.\n"
     "\n"
     "--show-additional-sources Usada para listar as fontes de pacotes extras.\n"
     "\n"
     "--mirror-os Usada para espelhar versões de produtos para outro sistema\n"
     "operacional.\n"
     "\n"
     "--install-system-only Usada para instalar somente os pacotes de sistema do\n"
     "Zarni Tenebrin.\n"
     "\n"
     "--allow-kernel-install Usada para permitir a instalação de pacotes do kernel.\n"
     "\n"
     "--disable-major-updates Usada para impedir upgrades para uma nova versão\n"
     "principal. Em vez disso, selecione a versão a instalar com --select-release-id\n"
     "ou --select-release-current.\n"
     "\n"
     "--upgrade-system-packages Usada para atualizar também os pacotes do sistema\n"
     "operacional.\n"
     "\n"
     "--reinstall-patch Usada para reinstalar o último patch dos produtos\n"
     "selecionados. A interface baseada em comandos ignora --repatch da mesma forma.\n"
     "\n"
     "--skip-patch Usada para ignorar a instalação de patches. A interface baseada em\n"
     "comandos a ignora da mesma forma.\n"
     "\n"
     "--no-space-check Usada para ignorar a verificação de espaço livre em disco.\n"
     "\n"},
    {"usage_end", "Consulte 'installer help' para obter informações sobre a interface baseada em comandos.\n"},
    {"usage_commands",
     "Uso: installer COMANDO [OPÇÕES]\n"
     "\n"
     "Comandos:\n"
     "list Lista os produtos, versões, predefinições e componentes disponíveis\n"
     "list-all Lista todos os produtos disponíveis e as suas versões\n"
     "install Instala uma versão de um produto\n"
     "update Instala as últimas atualizações dos produtos instalados\n"
     "add Adiciona componentes a um produto instalado\n"
     "remove Remove componentes de um produto instalado\n"
     "upgrade Faz o upgrade de um produto instalado para outra versão\n"
     "stop Encerra um Zarni Installer em execução\n"
     "version Mostra a versão do Zarni Installer\n"
     "help Mostra a ajuda de um comando\n"
     "\n"
     "Consulte 'installer help COMMAND' para obter ajuda sobre um comando específico.\n"
     "Consulte 'installer --help-options' para obter ajuda sobre a interface baseada em opções.\n"},
    {"usage_cmd_prefix", "Uso: installer "},
    {"usage_cmd_version", "Mostra a versão do Instalador Zarni."},
    {"usage_cmd_help",
     "Sem COMMAND, lista os comandos. Com COMMAND, mostra a ajuda desse comando;\n"
     "adicione --verbose (-v) para ver mais opções dele."},
    {"usage_cmd_list_all", "Lista todos os produtos disponíveis e as suas versões."},
    {"usage_cmd_list",
     "Lista os produtos e as versões disponíveis. Para uma versão exata (um ID de\n"
     "versão, ou um ID de produto e uma versão), lista as suas predefinições de\n"
     "instalação (--presets), os seus componentes (--components, com as\n"
     "configurações quando --options é adicionada) ou a configuração do\n"
     "gerenciador de pacotes do sistema para ela (--sources)."},
    {"usage_cmd_install",
     "Instala uma versão de um produto. Sem seletores, é instalada a última versão\n"
     "disponível do Zarni. Escolha os componentes com uma predefinição (--preset,\n"
     "ajustada por --with e --without) ou informe-os com --components."},
    {"usage_cmd_upgrade",
     "Faz o upgrade de um produto instalado para outra versão. Informe a versão pelo\n"
     "ID dela, por um ID de produto e uma versão, ou por um ID de produto e um nível\n"
     "(é usada a última versão desse nível). Sem uma versão exata, as versões\n"
     "disponíveis são listadas."},
    {"usage_cmd_update",
     "Instala as últimas atualizações de todos os produtos instalados, ou somente de\n"
     "PRODUCT, sem fazer o upgrade deles para outra versão."},
    {"usage_cmd_add", "Adiciona componentes a um produto instalado."},
    {"usage_cmd_remove", "Remove componentes de um produto instalado."},
    {"usage_cmd_add_remove_tail", "PRODUCT pode ser omitido quando só um produto está instalado.\n"},
    {"usage_cmd_stop",
     "Encerra um Instalador Zarni em execução. Ele para no próximo ponto seguro; com\n"
     "--terminate, ele para mesmo enquanto os pacotes estão sendo instalados."},
    {"usage_components",
     "COMPONENTS é uma lista de IDs de componentes. Separe-os com espaços ou\n"
     "vírgulas, ou repita a opção:\n"
     "--components panel horde\n"
     "--components panel,horde\n"
     "--components panel --components horde\n"},
    {"usage_verbose",
     "Adicione '--verbose' (ou '-v') para ver mais opções, '--verbose=2' para ver todas as opções."},
    {"usage_hdr_command_opts", "Opções do comando"},
    {"usage_hdr_general_opts", "Opções gerais"},
    {"usage_hdr_download_opts", "Opções de download"},
    {"usage_hdr_proxy_opts", "Opções de proxy"},
    {"usage_hdr_skip_opts", "Opções que pulam etapas"},
    {"usage_hdr_env_opts", "Opções de substituição do sistema operacional"},
    {"usage_opt_source",
     "Fonte de instalação: "
     "URL do servidor de atualizações ou de um espelho, ou caminho absoluto de um diretório local."},
    {"usage_opt_target", "Diretório para os arquivos baixados."},
    {"usage_opt_tries", "Número de novas tentativas de um download com falha (padrão: 3)."},
    {"usage_opt_ext",
     "URL do Extensions Catalog a usar no lugar do indicado pelo produto."},
    {"usage_opt_proxy_host", "Nome do host ou endereço IP do servidor proxy."},
    {"usage_opt_proxy_port", "Porta do servidor proxy (padrão: 3128)."},
    {"usage_opt_proxy_user", "Nome de usuário para a autenticação no proxy."},
    {"usage_opt_proxy_pass", "Senha para a autenticação no proxy."},
    {"usage_opt_skip_examine",
     "Não executar as verificações dos componentes e do produto antes e depois da instalação."},
    {"usage_opt_skip_gpg", "Não verificar as assinaturas GPG dos pacotes."},
    {"usage_opt_skip_cleanup",
     "Manter a configuração dos repositórios de pacotes quando o instalador terminar."},
    {"usage_opt_no_self_upgrade",
     "Não substituir o Instalador Zarni por uma versão mais nova ou mais antiga dele mesmo."},
    {"usage_opt_help", "Mostrar a ajuda do comando."},
    {"usage_opt_xml", "Imprimir as respostas e as mensagens de status no formato XML."},
    {"usage_opt_debug", "Gravar informações de depuração no arquivo de log."},
    {"usage_opt_truncate_log", "Esvaziar o arquivo de log do Instalador Zarni ao iniciar."},
    {"usage_opt_separate_log", "Gravar um arquivo de log separado para cada execução do Instalador Zarni."},
    {"usage_opt_email",
     "Quando o Instalador Zarni terminar, enviar um relatório sobre o resultado para este endereço de email."},
    {"usage_opt_verbose", "Mostrar mais opções na ajuda: 1 para mais opções, 2 para todas as opções."},
    {"usage_opt_completion", "Imprimir as opções do comando para o autocompletar do shell (JSON)."},
    {"usage_opt_override_os_name", "Nome do sistema operacional a usar no lugar do detectado."},
    {"usage_opt_override_os_vendor", "Fornecedor do sistema operacional a usar no lugar do detectado."},
    {"usage_opt_override_os_version",
     "Versão do sistema operacional a usar no lugar da detectada."},
    {"usage_opt_override_os_arch", "Arquitetura a usar no lugar da detectada."},
    {"usage_opt_override_env",
     "Ambiente a usar no lugar do detectado: 'dedicated' ou 'cq'."},
    {"usage_opt_list_presets", "Listar as predefinições de instalação da versão."},
    {"usage_opt_list_components", "Listar os componentes da versão."},
    {"usage_opt_list_options", "Com --components, mostrar também as configurações de cada componente."},
    {"usage_opt_dry_run",
     "Não alterar nada; "
     "apenas mostrar os pacotes que seriam instalados [I], atualizados [U] ou removidos [R]."},
    {"usage_opt_install_preset",
     "Instalar os componentes desta predefinição (tipo de instalação), por exemplo 'Recommended' ou 'Full'."},
    {"usage_opt_install_with", "Componentes a instalar além da predefinição."},
    {"usage_opt_install_without", "Componentes da predefinição que não devem ser instalados."},
    {"usage_opt_install_components", "Componentes a instalar, no lugar de uma predefinição."},
    {"usage_opt_install_options", "Configurações dos componentes, cada uma no formato nome=valor."},
    {"usage_opt_update_panel_only",
     "Instalar somente as atualizações do próprio Zarni, e não dos outros serviços gerenciados pelo Zarni."},
    {"usage_opt_addremove_components", "Componentes a adicionar ou remover."},
    {"usage_opt_stop_terminate",
     "Encerrar o Instalador Zarni mesmo enquanto os pacotes estão sendo instalados (enviar SIGTERM no lugar de SIGHUP)"},
    {"error_supp_need",
     "Você pode procurar uma solução no site de suporte do Zarni em https://support.zarni.example/"},
    {"os_win2003_not_supported",
     "O Windows Server 2003 não é mais suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que você use uma versão mais nova do sistema operacional."},
    {"os_win2008_not_supported_product_installed",
     "O Windows Server 2008 não é mais suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que você use uma versão mais nova do sistema operacional. "
     "Para mover o Zarni para um servidor com um sistema operacional suportado, siga o guia de migração (https://www.zarni.example/en/121368)."},
    {"os_win2008_not_supported_product_not_installed",
     "O Windows Server 2008 não é mais suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que você use uma versão mais nova do sistema operacional."},
    {"os_win2008r2_not_supported_product_installed",
     "O Windows Server 2008 R2 não é mais suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que você use uma versão mais nova do sistema operacional. "
     "Para mover o Zarni para um servidor com um sistema operacional suportado, siga o guia de migração (https://www.zarni.example/en/121368)."},
    {"os_win2008r2_not_supported_product_not_installed",
     "O Windows Server 2008 R2 não é mais suportado pelo Zarni. "
     "De acordo com a política de ciclo de vida do Zarni (https://www.zarni.example/legal/lifecycle-policy/), recomendamos que você use uma versão mais nova do sistema operacional."},
};

}  // namespace

void loadInstallerMessages_pt_BR(Messages::messages_rep& catalogue)
{
    loadMessageTable(catalogue, kTable);
}
