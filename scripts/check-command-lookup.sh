#!/usr/bin/env bash
# Fails when a QAction is looked up by a string: by findChild/findChildren or through a map keyed by
# names. Commands are reached through their ids, so that a wrong command cannot compile.
# Usage: check-command-lookup.sh <source folder>
set -euo pipefail
root=${1:?source folder}
pattern='find(Child|Children)[[:space:]]*<[[:space:]]*QAction|(QHash|QMap|QMultiHash|QMultiMap|std::(unordered_)?map)[[:space:]]*<[[:space:]]*(QString|QByteArray|QLatin1String|std::string|const[[:space:]]+char[[:space:]]*\*)[[:space:]]*,[[:space:]]*(const[[:space:]]+)?QAction[[:space:]]*\*'

# The pattern itself must still catch both kinds, or the check would pass on anything.
for sample in 'findChild<QAction*>(name)' 'QHash<QString, QAction*> actions_;' 'std::map<std::string, QAction*> m;'; do
    if ! grep -Eq "$pattern" <<<"$sample"; then
        echo "check-command-lookup: the pattern no longer matches: $sample" >&2
        exit 2
    fi
done

if grep -rEn --include='*.cpp' --include='*.h' --exclude-dir='build*' --exclude-dir='.git' "$pattern" "$root/."; then
    echo "check-command-lookup: a QAction is looked up by a string; use the command's id" >&2
    exit 1
fi
echo "check-command-lookup: no QAction is looked up by a string"
