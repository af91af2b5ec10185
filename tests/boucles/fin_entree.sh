#!/bin/sh
# The engine process ends when its input does, also in the middle of a
# search that would never end by itself (a client that died).
#   fin_entree.sh KOLMAR_CLI
cli=${1:?usage: fin_entree.sh KOLMAR_CLI}
statut=0
for seance in 'level infinite\ngo think\n' 'go ponder\n' 'level depth=30\ngo think\n'; do
  debut=$(date +%s)
  sortie=$(printf "$seance" | timeout 20 "$cli" engine)
  code=$?
  duree=$(($(date +%s) - debut))
  if [ "$code" -ne 0 ] || [ "$duree" -gt 10 ]; then
    echo "input \"$seance\": exit $code after $duree s"
    statut=1
  fi
  case "$sortie" in
    *"done move="*) ;;
    *) echo "input \"$seance\": no done line"; statut=1 ;;
  esac
done
[ "$statut" -eq 0 ] && echo "end of input ends every search"
exit $statut
