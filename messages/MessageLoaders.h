#pragma once

#include "common/Messages.h"

#include <cstddef>

// One (key, text) pair of a message table.
struct MessagePair {
    const char* key;
    const char* text;
};

// Writes the pairs into the catalogue in order; a later pair replaces the text of an
// earlier one with the same key.
template <std::size_t N>
void loadMessageTable(Messages::messages_rep& catalogue, const MessagePair (&table)[N])
{
    for (const MessagePair& pair : table) catalogue.messages[pair.key] = pair.text;
}

// The languages with their loaders: the English tables first, then one table per
// message set and language, each in messages/<set>_<code>.cpp.
#define KW_MESSAGE_LANGUAGES(X)                                                                            \
    X(en_US) X(ar) X(ca_ES) X(cs_CZ) X(da_DK) X(de_DE) X(el_GR) X(es_ES) X(fi_FI) X(fr_FR) X(he_IL) X(hu_HU) \
    X(id_ID) X(it_IT) X(ja_JP) X(ko_KR) X(ms_MY) X(nb_NO) X(nl_NL) X(pl_PL) X(pt_BR) X(pt_PT) X(ro_RO)     \
    X(ru_RU) X(sv_SE) X(th_TH) X(tl_PH) X(tr_TR) X(uk_UA) X(vi_VN) X(zh_CN) X(zh_TW)

#define KW_DECLARE_LOADERS(code)                                  \
    void loadInstallerMessages_##code(Messages::messages_rep&); \
    void loadWebMessages_##code(Messages::messages_rep&);       \
    void loadCommonMessages_##code(Messages::messages_rep&);
KW_MESSAGE_LANGUAGES(KW_DECLARE_LOADERS)
#undef KW_DECLARE_LOADERS
