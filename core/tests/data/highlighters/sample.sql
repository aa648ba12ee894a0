-- Kommentar
SELECT u.id, COUNT(*) AS n, `weird name`
FROM users u /* inline */ WHERE u.name = 'O''Brien' AND u.age > 21.5
  AND u.note = 'multi
line string' # mysql comment
GROUP BY u.id; CREATE TABLE t (id INT PRIMARY KEY, v VARCHAR(20)); SET @x = :param;
