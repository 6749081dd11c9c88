// One line a check, and the count of those that failed.
export const tally = { failed: 0 };
// What every check's name begins with: the page they are run on.
export const scope = { prefix: '' };

export function verdict(name, ok, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${scope.prefix}${name}${detail ? ': ' + detail : ''}`);
  if (!ok) ++tally.failed;
}
