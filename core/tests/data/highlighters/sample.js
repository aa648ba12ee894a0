// Line comment with ä
const re = /ab+c[/]/gi, half = total / 2 / count;
let s = "a \"quoted\" </script> text";
let multi = 'continued \
on the next line';
const tpl = `outer ${ inner(`nested ${deep} text`) } more
second line ${ {a: 1}.a }`;
/* block
   comment */ function f(x) { return x > 1 ? 0x10 : 3.14; }
class A extends B { static async *gen() { yield await 10n; } }
